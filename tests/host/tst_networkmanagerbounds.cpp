#include "NetworkManager.h"
#include "ScriptedHttpServer.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList *capturedLog = nullptr;

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (capturedLog)
        capturedLog->append(message);
}

// Records the log while it lives.
class LogCapture
{
public:
    LogCapture()
    {
        capturedLog = &lines;
        previous = qInstallMessageHandler(capture);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(previous);
        capturedLog = nullptr;
    }
    QString text() const { return lines.join(QLatin1Char('\n')); }

    QStringList lines;

private:
    QtMessageHandler previous = nullptr;
};

} // namespace

// NetworkManager against a server that stalls, floods, redirects or echoes secrets.
class NetworkManagerBoundsTest : public QObject
{
    Q_OBJECT
private slots:
    void stalledBodyEndsAtTheDeadline()
    {
        ScriptedHttpServer server;
        QVERIFY(server.start());
        ScriptedHttpServer::Response stalled { 200, R"({"status":0,"result":{}})" };
        stalled.stallAfterBytes = 4;
        server.enqueue(stalled);

        NetworkManager manager;
        manager.setTimeout(300);
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        QSignalSpy failed(&manager, qOverload<const QString &>(&NetworkManager::networkError));
        manager.runRequest(server.url("/svc/stall"), "POST", "{}");
        QVERIFY(finished.wait(3000));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(finished.first().first().toByteArray(), QByteArray());
    }

    void answerCutShortIsAFailure()
    {
        ScriptedHttpServer server;
        QVERIFY(server.start());
        ScriptedHttpServer::Response cut { 200, R"({"status":0,"result":{"items":[]}})" };
        cut.closeAfterBytes = 12;
        server.enqueue(cut);

        NetworkManager manager;
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        QSignalSpy failed(&manager, qOverload<const QString &>(&NetworkManager::networkError));
        manager.runRequest(server.url("/svc/cut"), "POST", "{}");
        QVERIFY(finished.wait(3000));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(finished.first().first().toByteArray(), QByteArray());
    }

    void answerOverTheBoundIsDropped_data()
    {
        QTest::addColumn<bool>("declaredLength");
        QTest::newRow("declared length") << true;
        QTest::newRow("length not declared") << false;
    }

    void answerOverTheBoundIsDropped()
    {
        QFETCH(bool, declaredLength);
        ScriptedHttpServer server;
        QVERIFY(server.start());
        ScriptedHttpServer::Response huge { 200, QByteArray(4 * 1024 * 1024, 'x') };
        huge.omitContentLength = !declaredLength;
        server.enqueue(huge);

        NetworkManager manager;
        manager.setMaxAnswerSize(1024 * 1024);
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        QSignalSpy failed(&manager, qOverload<const QString &>(&NetworkManager::networkError));
        manager.runRequest(server.url("/svc/huge"), "POST", "{}");
        QVERIFY(finished.wait(5000));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(finished.first().first().toByteArray(), QByteArray());
    }

    void redirectIsNotFollowed()
    {
        ScriptedHttpServer server;
        ScriptedHttpServer elsewhere;
        QVERIFY(server.start());
        QVERIFY(elsewhere.start());
        ScriptedHttpServer::Response redirect { 307, QByteArray() };
        redirect.headers.append({ "Location", elsewhere.url("/svc/login").toEncoded() });
        server.enqueue(redirect);

        NetworkManager manager;
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        manager.runRequest(server.url("/svc/login"), "POST", R"({"password":"secret-1"})");
        QVERIFY(finished.wait(3000));
        QTest::qWait(200);
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(elsewhere.requests().size(), 0);
    }

    // The request and the answer are logged without secrets, and a long answer only by its start.
    void logHoldsNoSecretAndNoWholeAnswer()
    {
        const QByteArray password = "Pa55-word-never-logged";
        const QByteArray token = "tok-91c2-never-logged";
        const QByteArray body
            = "{\"sessionToken\":\"" + token + "\",\"data\":{\"password\":\"" + password + "\"}}";
        ScriptedHttpServer server;
        QVERIFY(server.start());
        server.enqueue({ 500,
            "<pre>" + body + "</pre> token=" + token + ' ' + QByteArray(2 * 1024 * 1024, '.') });

        NetworkManager manager;
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        LogCapture log;
        manager.runRequest(server.url("/svc/echo"), "POST", body);
        QVERIFY(finished.wait(5000));
        const QString text = log.text();
        QVERIFY2(!text.contains(QString::fromUtf8(password)), qPrintable(text));
        QVERIFY2(!text.contains(QString::fromUtf8(token)), qPrintable(text));
        QVERIFY2(text.size() < 2000, qPrintable(QString::number(text.size())));
        // The caller still gets the whole answer.
        QVERIFY(finished.first().first().toByteArray().size() > 2 * 1024 * 1024);
    }
};

QTEST_GUILESS_MAIN(NetworkManagerBoundsTest)
#include "tst_networkmanagerbounds.moc"
