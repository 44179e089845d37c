// Bad requests get a clear answer and change nothing; tokens that are unknown, expired or
// ended are refused; the server keeps answering afterwards.
#include "ServiceTestCase.h"

#include <QJsonDocument>
#include <QThread>
#include <QtTest>
#include <memory>

class ServiceBadInputTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void transportErrors_data();
    void transportErrors();
    void invalidArguments_data();
    void invalidArguments();
    void refusedTokens_data();
    void refusedTokens();
    void logoffEndsTheSession();
    void unusedSessionsExpire();
    void wrongPasswordIsRefused();
    void stillAnswersAfterwards();

private:
    qint64 fingerprint() const
    {
        return m_oracle->number(
            QStringLiteral("SELECT (SELECT count(*) FROM users) + (SELECT count(*) FROM customers) "
                           "+ (SELECT count(*) FROM tags) "
                           "+ (SELECT count(*) FROM tasks) + (SELECT count(*) FROM tickets) + "
                           "(SELECT count(*) FROM device_tags) "
                           "+ (SELECT count(*) FROM settings) + (SELECT count(*) FROM logins) + "
                           "(SELECT total(length(name)) FROM devices)"));
    }
};

void ServiceBadInputTest::transportErrors_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("httpStatus");

    QTest::newRow("not JSON") << "addTag" << QByteArray("{\"tag\": {\"n\": \"Broken\"") << 400;
    QTest::newRow("empty body") << "listTags" << QByteArray() << 400;
    QTest::newRow("JSON array") << "listTags" << QByteArray("[1, 2]") << 400;
    QTest::newRow("JSON text") << "listTags" << QByteArray("\"hello\"") << 400;
    QTest::newRow("deeply nested") << "listTags" << QByteArray(200000, '[') << 400;
    QTest::newRow("unknown method") << "dropDatabase" << QByteArray("{}") << 404;
    QTest::newRow("method with a path") << "listTags/../../x" << QByteArray("{}") << 404;
    QByteArray huge = "{\"tag\":{\"n\":\"" + QByteArray(1536 * 1024, 'x') + "\"}}";
    QTest::newRow("over 1 MiB") << "addTag" << huge << 413;
}

void ServiceBadInputTest::transportErrors()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, body);
    QFETCH(int, httpStatus);

    const qint64 before = fingerprint();
    int http = 0;
    m_client->post(method, body, &http);
    QCOMPARE(http, httpStatus);
    QCOMPARE(fingerprint(), before);
}

void ServiceBadInputTest::invalidArguments_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("user is text") << "addUser" << QByteArray(R"({"user":"Eve"})");
    QTest::newRow("user name is a number")
        << "addUser" << QByteArray(R"({"user":{"n":5,"cId":1,"r":2}})");
    QTest::newRow("user without role")
        << "addUser" << QByteArray(R"({"user":{"n":"Eve","cId":1}})");
    QTest::newRow("role out of range")
        << "addUser" << QByteArray(R"({"user":{"n":"Eve","cId":1,"r":42}})");
    QTest::newRow("empty user name")
        << "addUser" << QByteArray(R"({"user":{"n":"   ","cId":1,"r":2}})");
    QTest::newRow("location id is text")
        << "updateCustomer" << QByteArray(R"({"customer":{"id":"first","n":"x"}})");
    QTest::newRow("fractional id")
        << "updateCustomer" << QByteArray(R"({"customer":{"id":1.5,"n":"x"}})");
    QTest::newRow("tag without object") << "addTag" << QByteArray(R"({"tag":null})");
    QTest::newRow("tag name is a list") << "addTag" << QByteArray(R"({"tag":{"n":["a"]}})");
    QTest::newRow("filter ids is text")
        << "listDevices" << QByteArray(R"({"filter":{"ids":"70001"}})");
    QTest::newRow("filter flag is text")
        << "listDevices" << QByteArray(R"({"filter":{"isOnline":"yes"}})");
    QTest::newRow("filter is a list") << "listDevices" << QByteArray(R"({"filter":[1]})");
    QTest::newRow("negative take")
        << "listDevices" << QByteArray(R"({"paging":{"skip":0,"take":-1}})");
    QTest::newRow("huge take") << "listDevices"
                               << QByteArray(R"({"paging":{"skip":0,"take":100000}})");
    QTest::newRow("what is a number") << "listUsers" << QByteArray(R"({"what":5})");
    QTest::newRow("unknown task type")
        << "addTask" << QByteArray(R"({"devicesFilter":{},"task":{"t":99}})");
    QTest::newRow("task data is an object")
        << "addTask" << QByteArray(R"({"devicesFilter":{},"task":{"t":5,"d":{"m":1}}})");
    QTest::newRow("dispersion not a span")
        << "addTask" << QByteArray(R"({"devicesFilter":{},"task":{"t":5,"dsp":"soon"}})");
    QTest::newRow("date not a date")
        << "addTask" << QByteArray(R"({"devicesFilter":{},"task":{"t":5,"vf":"yesterday"}})");
    QTest::newRow("order by unknown key")
        << "listTasks" << QByteArray(R"({"orderBy":["-,password"]})");
    QTest::newRow("ticket ids missing") << "cancelTickets" << QByteArray("{}");
    QTest::newRow("setting list is an object")
        << "writeSettings" << QByteArray(R"({"setting":{"n":"a"},"devicesFilter":{}})");
    QTest::newRow("setting value is a number")
        << "syncSetting" << QByteArray(R"({"setting":{"dId":70001,"n":"a","v":5}})");
    QTest::newRow("unknown login method")
        << "login" << QByteArray(R"({"method":"magic","data":{}})");
    QTest::newRow("login without data") << "login" << QByteArray(R"({"method":"login-password"})");
    QTest::newRow("role session without dates")
        << "createRoleSession" << QByteArray(R"({"role":2})");
    QTest::newRow("tag devices without tag")
        << "tagDevices" << QByteArray(R"({"tagId":null,"filter":{}})");
}

void ServiceBadInputTest::invalidArguments()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, body);

    QJsonObject request = QJsonDocument::fromJson(body).object();
    request.insert(QStringLiteral("sessionToken"), m_god);
    const qint64 before = fingerprint();
    int http = 0;
    const QJsonObject answer
        = QJsonDocument::fromJson(m_client->post(method, QJsonDocument(request).toJson(), &http))
              .object();
    QCOMPARE(http, 200);
    QCOMPARE(statusOf(answer), 6);
    QVERIFY(!answer.value(QLatin1String("message")).toString().isEmpty());
    QCOMPARE(fingerprint(), before);
}

void ServiceBadInputTest::refusedTokens_data()
{
    QTest::addColumn<QJsonValue>("token");
    QTest::newRow("missing") << QJsonValue();
    QTest::newRow("empty") << QJsonValue(QString());
    QTest::newRow("unknown") << QJsonValue(QStringLiteral("bm90LWEtcmVhbC10b2tlbg"));
    QTest::newRow("number") << QJsonValue(12345);
    QTest::newRow("SQL text") << QJsonValue(QStringLiteral("' OR 1=1 --"));
}

void ServiceBadInputTest::refusedTokens()
{
    QFETCH(QJsonValue, token);
    QJsonObject body { { QStringLiteral("filter"), QJsonObject() } };
    if (!token.isUndefined())
        body.insert(QStringLiteral("sessionToken"), token);
    for (const char *method :
        { "listDevices", "listUsers", "getSessionInfo", "logoff", "addTag" }) {
        const QJsonObject answer = m_client->call(QString::fromLatin1(method), body);
        QCOMPARE(statusOf(answer), 2);
        QCOMPARE(answer.value(QLatin1String("result")), QJsonValue(QJsonValue::Null));
    }
}

void ServiceBadInputTest::logoffEndsTheSession()
{
    const QString token = m_client->login(demo::admin, demo::passwordOf(demo::admin));
    QCOMPARE(statusOf(m_client->call(QStringLiteral("listTags"), {}, token)), 0);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("logoff"), {}, token)), 0);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("listTags"), {}, token)), 2);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("listTags"), {}, m_god)), 0);
}

void ServiceBadInputTest::unusedSessionsExpire()
{
    ServiceProcess shortLived;
    QVERIFY2(shortLived.start({ QStringLiteral("--session-idle"), QStringLiteral("1") }),
        qPrintable(shortLived.errorOutput()));
    ServiceClient client(shortLived.port());
    const QString token = client.login(demo::god, demo::passwordOf(demo::god));
    QVERIFY(!token.isEmpty());
    // A session nobody uses again must not stay stored either.
    QVERIFY(!client.login(demo::technician, demo::passwordOf(demo::technician)).isEmpty());
    const qint64 beforeUse = QDateTime::currentMSecsSinceEpoch();
    const QJsonObject info = client.call(QStringLiteral("getSessionInfo"), {}, token);
    const qint64 afterUse = QDateTime::currentMSecsSinceEpoch();
    QCOMPARE(statusOf(info), 0);
    // "uea" is the idle expiry: one second after the last use. Both are ISO texts, which
    // the console assigns straight to its date-time properties.
    const auto ms = [](const QJsonValue &date) {
        const QDateTime parsed = QDateTime::fromString(date.toString(), Qt::ISODateWithMs);
        return parsed.isValid() ? parsed.toMSecsSinceEpoch() : qint64(-1);
    };
    QVERIFY(ms(resultOf(info).value(QLatin1String("ca"))) > 0);
    // Measured against this call, not the login: a loaded machine may take seconds in between.
    const qint64 expiry = ms(resultOf(info).value(QLatin1String("uea")));
    QVERIFY2(expiry >= ms(resultOf(info).value(QLatin1String("ca"))) + 1000
            && expiry >= beforeUse + 1000 - 50 && expiry <= afterUse + 1000 + 50,
        qPrintable(QStringLiteral("%1 %2 %3").arg(expiry).arg(beforeUse).arg(afterUse)));
    QThread::msleep(1500);
    QCOMPARE(statusOf(client.call(QStringLiteral("listTags"), {}, token)), 2);
    // Once refused, it stays refused.
    QCOMPARE(statusOf(client.call(QStringLiteral("listTags"), {}, token)), 2);
    // Expired sessions are not kept: after a new login only the new one is stored.
    QThread::msleep(400);
    QVERIFY(!client.login(demo::admin, demo::passwordOf(demo::admin)).isEmpty());
    DatabaseOracle oracle(shortLived.databasePath());
    QCOMPARE(oracle.number(QStringLiteral("SELECT count(*) FROM sessions")), qint64(1));
}

void ServiceBadInputTest::wrongPasswordIsRefused()
{
    QVERIFY(m_client->login(demo::admin, QStringLiteral("demo-admin-2025")).isEmpty());
    QVERIFY(m_client->login(QStringLiteral("nobody@example.com"), demo::passwordOf(demo::admin))
                .isEmpty());
    QVERIFY(m_client->login(demo::admin, QString()).isEmpty());
    const QJsonObject answer = m_client->call(QStringLiteral("login"),
        { { QStringLiteral("method"), QStringLiteral("login-password") },
            { QStringLiteral("data"),
                QJsonObject { { QStringLiteral("login"), demo::admin },
                    { QStringLiteral("password"), QStringLiteral("wrong-pass") } } } });
    QCOMPARE(statusOf(answer), 2);
}

void ServiceBadInputTest::stillAnswersAfterwards()
{
    const QJsonObject answer = m_client->call(QStringLiteral("listTags"), {}, m_god);
    QCOMPARE(statusOf(answer), 0);
    QVERIFY(!itemsOf(answer).isEmpty());
}

QTEST_GUILESS_MAIN(ServiceBadInputTest)
#include "tst_service_badinput.moc"
