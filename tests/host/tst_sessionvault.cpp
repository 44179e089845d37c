#include "SessionVault.h"
#include "SystemCredentialStore.h"

#include <QDirIterator>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

// Runs inside its own session bus with a Secret Service (tests/support/with-secret-service).
class SessionVaultTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Brannock USA"));
        QCoreApplication::setApplicationName(QStringLiteral("Kestrum Console"));
        QVERIFY(qEnvironmentVariableIsSet("KESTRUM_TEST_SANDBOX"));
        QVERIFY2(SystemCredentialStore::reachable(), "no session bus: run with-secret-service");
    }

    void cleanup()
    {
        SessionVault vault;
        vault.keep(QString());
        QTRY_VERIFY(!vault.busy());
    }

    void keptInTheSystemStoreOnly()
    {
        const QString session = sessionWithToken("store-token-5c1e");
        {
            SessionVault vault;
            vault.keep(session);
            QTRY_VERIFY(!vault.busy());
        }
        QCOMPARE(loadFresh(), session);
        QCOMPARE(filesHolding("store-token-5c1e"), QStringList());

        // Erased from the store as well.
        {
            SessionVault vault;
            vault.keep(QString());
            QTRY_VERIFY(!vault.busy());
        }
        QCOMPARE(loadFresh(), QString());
    }

    // An older version kept the session in the settings: moved into the store, once.
    void plainSessionInTheSettingsIsMoved()
    {
        const QString session = sessionWithToken("legacy-token-77aa");
        QSettings().setValue(SessionVault::legacySettingsKey(), session);
        QSettings().sync();

        SessionVault vault;
        QSignalSpy loaded(&vault, &SessionVault::loaded);
        vault.load();
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().first().toString(), session);
        QTRY_VERIFY(!vault.busy());
        QVERIFY(!QSettings().contains(SessionVault::legacySettingsKey()));
        QCOMPARE(loadFresh(), session);
        QCOMPARE(filesHolding("legacy-token-77aa"), QStringList());
    }

    // No store answers: a file of its own, the owner's alone, and still not the settings.
    void withoutAStoreAPrivateFile()
    {
        const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        const QString session = sessionWithToken("file-token-90bd");
        {
            SessionVault vault;
            vault.keep(session);
            QTRY_VERIFY(!vault.busy());
        }
        QCOMPARE(filesHolding("file-token-90bd"), QStringList { SessionVault::fallbackPath() });
        QCOMPARE(QFile::permissions(SessionVault::fallbackPath())
                & ~(QFile::ReadUser | QFile::WriteUser),
            QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(loadFresh(), session);

        // Once a store answers again, the session moves into it.
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
        QCOMPARE(loadFresh(), session);
        QTRY_VERIFY(!QFile::exists(SessionVault::fallbackPath()));
        QCOMPARE(loadFresh(), session);
    }

private:
    static QString sessionWithToken(const char *token)
    {
        return QStringLiteral("{\"sessionToken\":\"%1\",\"status\":3}").arg(QLatin1String(token));
    }

    static QString loadFresh()
    {
        SessionVault vault;
        QSignalSpy loaded(&vault, &SessionVault::loaded);
        vault.load();
        if (!loaded.count() && !loaded.wait(6000))
            return QStringLiteral("<no answer>");
        if (!QTest::qWaitFor([&vault] { return !vault.busy(); }, 6000))
            return QStringLiteral("<still busy>");
        return loaded.first().first().toString();
    }

    // Every file of the sandboxed home, settings and data folders that holds the text.
    static QStringList filesHolding(const char *text)
    {
        QStringList found;
        QDirIterator files(qEnvironmentVariable("KESTRUM_TEST_SANDBOX"), QDir::Files | QDir::Hidden,
            QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text))
                found << file.fileName();
        }
        return found;
    }
};

QTEST_GUILESS_MAIN(SessionVaultTest)
#include "tst_sessionvault.moc"
