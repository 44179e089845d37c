// The HTTP transport over real sockets: what a hostile client or a web page may send, clients
// that trickle or idle, floods of wrong logins, HTTPS, and a prompt stop.
#include "RawHttpConnection.h"
#include "ServiceTestCase.h"
#include "ServiceTestData.h"
#include "TestCertificate.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class ServiceTransportTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void pipelinedRequestsAreAnsweredInOrder();
    void malformedHeaders_data();
    void malformedHeaders();
    void loneSurrogatesAreRefused();
    void duplicateKeysAreRefused();
    void trickledHeaderIsCutOff();
    void attackersLeaveOthersServed();
    void connectionBoundMakesRoomForNewcomers();
    void stopsPromptlyDespiteSlowClients();
    void answersOverTls();

private:
    QStringList serviceArguments() const override
    {
        return { QStringLiteral("--header-timeout"), QStringLiteral("2") };
    }
    QByteArray answerOf(const QByteArray &request)
    {
        RawHttpConnection connection(m_service.port());
        connection.send(request);
        return connection.receive(2000);
    }
    // A call on a connection of its own, as a legitimate client makes it.
    static int listDevices(int port, const QString &token)
    {
        ServiceClient client(port);
        return statusOf(client.call(QStringLiteral("listDevices"),
            { { QStringLiteral("paging"),
                QJsonObject { { QStringLiteral("skip"), 0 }, { QStringLiteral("take"), 100 } } } },
            token));
    }
};

void ServiceTransportTest::pipelinedRequestsAreAnsweredInOrder()
{
    const QByteArray token = "{\"sessionToken\":\"" + m_god.toUtf8() + "\"}";
    const QByteArray received = answerOf(RawHttpConnection::post("listTags", token)
        + RawHttpConnection::post("noSuchMethod", "{}")
        + RawHttpConnection::post("getSessionInfo", token));
    QCOMPARE(RawHttpConnection::statuses(received), (QList<int> { 200, 404, 200 }));
    QVERIFY(received.contains("\"items\""));
    QVERIFY(received.contains("\"uId\":1"));
}

void ServiceTransportTest::malformedHeaders_data()
{
    QTest::addColumn<QByteArray>("headers");
    QTest::addColumn<int>("status");
    const QByteArray json = "Content-Type: application/json\r\n";
    QTest::newRow("two differing lengths")
        << QByteArray("Host: 127.0.0.1\r\n" + json + "Content-Length: 40\r\n") << 400;
    QTest::newRow("form post of a web page")
        << QByteArray("Host: 127.0.0.1\r\nContent-Type: application/x-www-form-urlencoded\r\n")
        << 415;
    QTest::newRow("plain text") << QByteArray("Host: 127.0.0.1\r\nContent-Type: text/plain\r\n")
                                << 415;
    QTest::newRow("no type") << QByteArray("Host: 127.0.0.1\r\n") << 415;
    QTest::newRow("JSON with its charset")
        << QByteArray("Host: 127.0.0.1\r\nContent-Type: application/json; charset=utf-8\r\n")
        << 200;
    QTest::newRow("rebound name") << QByteArray("Host: attacker.example.com:8765\r\n" + json)
                                  << 403;
    QTest::newRow("no host") << json << 403;
    QTest::newRow("localhost") << QByteArray("Host: localhost:8765\r\n" + json) << 200;
    QTest::newRow("IPv6 loopback") << QByteArray("Host: [::1]:8765\r\n" + json) << 200;
}

void ServiceTransportTest::malformedHeaders()
{
    QFETCH(QByteArray, headers);
    QFETCH(int, status);
    const QByteArray body = "{\"sessionToken\":\"" + m_god.toUtf8() + "\"}";
    const QList<int> statuses
        = RawHttpConnection::statuses(answerOf(RawHttpConnection::post("listTags", body, headers)));
    QCOMPARE(statuses, QList<int> { status });
}

void ServiceTransportTest::loneSurrogatesAreRefused()
{
    ServiceClient client(m_service.port());
    const QByteArray token = m_god.toUtf8();
    const auto addTag = [&](const QByteArray &name) {
        return QJsonDocument::fromJson(
            client.post(QStringLiteral("addTag"),
                "{\"sessionToken\":\"" + token + "\",\"tag\":{\"n\":\"" + name + "\"}}"))
            .object();
    };
    const qint64 tags = DatabaseOracle(m_service.databasePath())
                            .number(QStringLiteral("SELECT count(*) FROM tags"));
    QCOMPARE(statusOf(addTag("lone \\ud800 high")), 6);
    QCOMPARE(statusOf(addTag("lone \\udc00 low")), 6);
    QCOMPARE(statusOf(addTag("reversed \\udc00\\ud800")), 6);
    QCOMPARE(DatabaseOracle(m_service.databasePath())
                 .number(QStringLiteral("SELECT count(*) FROM tags")),
        tags);
    // A whole pair is one character and is kept as sent.
    const QJsonObject pair = addTag("smile \\ud83d\\ude00 \\\\ud800");
    QCOMPARE(statusOf(pair), 0);
    QCOMPARE(resultOf(pair).value(QLatin1String("n")).toString(),
        QString::fromUtf8("smile \xF0\x9F\x98\x80 \\ud800"));
}

void ServiceTransportTest::duplicateKeysAreRefused()
{
    ServiceClient client(m_service.port());
    const QByteArray token = m_god.toUtf8();
    const auto statusFor = [&](const QByteArray &body) {
        return statusOf(
            QJsonDocument::fromJson(client.post(QStringLiteral("addTag"), body)).object());
    };
    const qint64 tags = DatabaseOracle(m_service.databasePath())
                            .number(QStringLiteral("SELECT count(*) FROM tags"));
    // A reader that takes the first token and the service would see different callers.
    QCOMPARE(statusFor("{\"sessionToken\":\"bad\",\"sessionToken\":\"" + token
                 + "\",\"tag\":{\"n\":\"twice\"}}"),
        6);
    // Nested, and spelt differently: an escape names the same key.
    QCOMPARE(statusFor("{\"sessionToken\":\"" + token
                 + "\",\"tag\":{\"n\":\"one\", \"\\u006e\" : \"two\"}}"),
        6);
    QCOMPARE(DatabaseOracle(m_service.databasePath())
                 .number(QStringLiteral("SELECT count(*) FROM tags")),
        tags);
    // Equal texts as values, and a key text inside a value, are no duplicates.
    QCOMPARE(statusFor("{\"sessionToken\":\"" + token + "\",\"tag\":{\"n\":\"tag\\\":\"}}"), 0);
}

void ServiceTransportTest::trickledHeaderIsCutOff()
{
    // The service was started with a header deadline of 2 s.
    RawHttpConnection trickle(m_service.port());
    const QByteArray request = RawHttpConnection::post("listTags", "{}");
    QElapsedTimer timer;
    timer.start();
    bool closed = false;
    for (int i = 0; i < request.size() && timer.elapsed() < 8000 && !closed; ++i) {
        trickle.send(request.mid(i, 1));
        closed = trickle.closedByServer(250);
    }
    QVERIFY(closed);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void ServiceTransportTest::attackersLeaveOthersServed()
{
    // 250 clients that trickle their header and 250 that connect and say nothing...
    std::vector<std::unique_ptr<RawHttpConnection>> attackers;
    for (int i = 0; i < 500; ++i) {
        attackers.push_back(std::make_unique<RawHttpConnection>(m_service.port()));
        QVERIFY(attackers.back()->isOpen());
        if (i % 2 == 0)
            attackers.back()->send("POST /QuillonService.svc/listTags HTTP/1.1\r\nHo");
    }
    // ...and eight that loop wrong logins.
    std::atomic<bool> flooding { true };
    std::atomic<int> floodCalls { 0 };
    std::vector<std::thread> flood;
    const int port = m_service.port();
    for (int i = 0; i < 8; ++i) {
        flood.emplace_back([&, i] {
            ServiceClient client(port);
            while (flooding) {
                client.login(QStringLiteral("guess%1@example.com").arg(i), QStringLiteral("nope"));
                ++floodCalls;
            }
        });
    }
    QTest::qWait(300);
    int answered = 0;
    for (int i = 0; i < 5; ++i)
        answered += listDevices(port, m_god) == 0 ? 1 : 0;
    flooding = false;
    for (std::thread &thread : flood)
        thread.join();
    QCOMPARE(answered, 5);
    QVERIFY(floodCalls > 8);
}

void ServiceTransportTest::connectionBoundMakesRoomForNewcomers()
{
    ServiceProcess bounded;
    QVERIFY2(bounded.start({ QStringLiteral("--max-connections"), QStringLiteral("20") }),
        qPrintable(bounded.errorOutput()));
    const QString token
        = ServiceClient(bounded.port()).login(demo::god, demo::passwordOf(demo::god));
    std::vector<std::unique_ptr<RawHttpConnection>> idle;
    for (int i = 0; i < 40; ++i)
        idle.push_back(std::make_unique<RawHttpConnection>(bounded.port()));
    QTest::qWait(200);
    QCOMPARE(listDevices(bounded.port(), token), 0);
    // The oldest idle connections made room.
    QVERIFY(idle.front()->closedByServer(2000));
}

void ServiceTransportTest::stopsPromptlyDespiteSlowClients()
{
    ServiceProcess stopping;
    QVERIFY2(stopping.start(), qPrintable(stopping.errorOutput()));
    std::vector<std::unique_ptr<RawHttpConnection>> slow;
    for (int i = 0; i < 50; ++i) {
        slow.push_back(std::make_unique<RawHttpConnection>(stopping.port()));
        slow.back()->send("POST /QuillonService.svc/listTags HTTP/1.1\r\nHost: 127.0.0.1\r\n");
    }
    QTest::qWait(200);
    QElapsedTimer timer;
    timer.start();
    stopping.stop();
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(slow.front()->closedByServer(100));
}

void ServiceTransportTest::answersOverTls()
{
    TestCertificate certificate;
    if (!certificate.make())
        QSKIP("openssl cannot make a test certificate here");
    ServiceProcess secure;
    QVERIFY2(secure.start({ QStringLiteral("--tls-cert"), certificate.certificatePath(),
                 QStringLiteral("--tls-key"), certificate.keyPath() }),
        qPrintable(secure.errorOutput()));

    // Qt's network access, as the console uses it, trusting the test's certificate.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromData(certificate.pem()));
    const auto post = [&](const QSslConfiguration &configuration) {
        // A manager of its own each time: no connection or TLS session is reused.
        QNetworkAccessManager network;
        QNetworkRequest request(QUrl(
            QStringLiteral("https://127.0.0.1:%1/QuillonService.svc/login").arg(secure.port())));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        request.setSslConfiguration(configuration);
        QNetworkReply *reply = network.post(request,
            R"({"method":"login-password","data":{"login":"god@example.com","password":"demo-god-2026"}})");
        QSignalSpy done(reply, &QNetworkReply::finished);
        done.wait(20000);
        reply->deleteLater();
        return std::make_pair(reply->error(), reply->readAll());
    };
    const auto trusted = post(tls);
    QCOMPARE(trusted.first, QNetworkReply::NoError);
    QCOMPARE(statusOf(QJsonDocument::fromJson(trusted.second).object()), 0);
    // Without the certificate the client refuses the server; plain HTTP gets no answer.
    QVERIFY(post(QSslConfiguration::defaultConfiguration()).first != QNetworkReply::NoError);
    RawHttpConnection plain(secure.port());
    plain.send(RawHttpConnection::post("listTags", "{}"));
    QVERIFY(RawHttpConnection::statuses(plain.receive(1000)).isEmpty());
}

QTEST_GUILESS_MAIN(ServiceTransportTest)
#include "tst_service_transport.moc"
