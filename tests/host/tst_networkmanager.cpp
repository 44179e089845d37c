#include "NetworkManager.h"
#include "ScriptedHttpServer.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

class NetworkManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void postsJsonAndReturnsBody()
    {
        ScriptedHttpServer server;
        QVERIFY(server.start());
        server.enqueue({ 200, R"({"status":0,"result":{}})" });

        NetworkManager manager;
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        QSignalSpy failed(&manager, qOverload<const QString &>(&NetworkManager::networkError));
        manager.runRequest(server.url("/svc/listUsers"), "GET", R"({"sessionToken":"t"})");
        QVERIFY(finished.wait(5000));

        QCOMPARE(finished.first().first().toByteArray(), QByteArray(R"({"status":0,"result":{}})"));
        QCOMPARE(failed.count(), 0);
        QCOMPARE(server.requests().size(), 1);
        const auto &request = server.requests().first();
        QCOMPARE(request.method, QByteArray("POST")); // the verb is only logged
        QCOMPARE(request.path, QByteArray("/svc/listUsers"));
        QCOMPARE(request.headers.value("content-type"), QByteArray("application/json"));
        QCOMPARE(request.body, QByteArray(R"({"sessionToken":"t"})"));
    }

    void emptyBody()
    {
        ScriptedHttpServer server;
        QVERIFY(server.start());
        server.enqueue({ 200, QByteArray() });
        NetworkManager manager;
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        manager.runRequest(server.url("/x"), "POST", "{}");
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().first().toByteArray(), QByteArray());
    }

    void connectionRefused()
    {
        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        }
        NetworkManager manager;
        QStringList events;
        connect(&manager, qOverload<const QString &>(&NetworkManager::networkError), this,
            [&events](const QString &message) { events << message; });
        connect(&manager, &NetworkManager::requestFinished, this,
            [&events](const QByteArray &data) { events << "finished:" + data; });
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        manager.runRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(port)), "POST", "{}");
        QVERIFY(finished.wait(5000));
        QCOMPARE(events, QStringList({ "Network error", "finished:" }));
    }

    void httpErrorStillDeliversBody()
    {
        ScriptedHttpServer server;
        QVERIFY(server.start());
        server.enqueue({ 500, "oops" });
        NetworkManager manager;
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        QSignalSpy failed(&manager, qOverload<const QString &>(&NetworkManager::networkError));
        manager.runRequest(server.url("/x"), "POST", "{}");
        QVERIFY(finished.wait(5000));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(finished.first().first().toByteArray(), QByteArray("oops"));
    }

    void finishedRepliesAreReleased()
    {
        ScriptedHttpServer server;
        QVERIFY(server.start());
        server.setDefaultResponse({ 200, "{}" });
        NetworkManager manager;
        QSignalSpy finished(&manager, &NetworkManager::requestFinished);
        for (int i = 0; i < 3; ++i) {
            manager.runRequest(server.url("/x"), "POST", "{}");
            QVERIFY(finished.wait(5000));
        }
        QTRY_COMPARE(manager.findChildren<QNetworkReply *>().size(), 0);
    }
};

QTEST_GUILESS_MAIN(NetworkManagerTest)
#include "tst_networkmanager.moc"
