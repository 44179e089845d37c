// The operator's path through real processes: the reference service with a demo database, and
// the console started by its own start-up code, driven through its window by object names.
#include "ConsoleRun.h"
#include "ForkedService.h"
#include "OperatorWindow.h"
#include "SessionVault.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

const QString demoLogin = QStringLiteral("admin@example.com");
const QString demoPassword = QStringLiteral("demo-admin-2026");
const QString demoUserName = QStringLiteral("Adam District");
const QString wrongPassword = QStringLiteral("wrong-pass-4711");
const QString accessDenied = QStringLiteral("Access denied!");
// Generous: the sanitizer build runs the console several times slower.
constexpr int networkTimeout = 30000;
constexpr int startTimeout = 60000;
constexpr int uiTimeout = 10000;

// The console is up: its login view shows and the splash screen no longer covers it.
bool consoleReady(OperatorWindow &console)
{
    return console.isShown(QStringLiteral("loginView"))
        && !console.read(QStringLiteral("splashScreenLoader"), "active").toBool();
}

bool errorShown(OperatorWindow &console, const QString &text)
{
    return console.isShown(QStringLiteral("errorLabel"))
        && console.read(QStringLiteral("errorLabel"), "text").toString() == text;
}

} // namespace

// First start: about and settings pages, a wrong password, then a sign-in with "Remember me".
class FirstRun : public QObject
{
    Q_OBJECT
public:
    explicit FirstRun(const QString &serviceUri)
        : m_serviceUri(serviceUri)
    { }

    QString sessionToken;

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QTRY_VERIFY_WITH_TIMEOUT(consoleReady(m_console), startTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(m_console.hasFocus(QStringLiteral("loginField")), uiTimeout);
    }

    void aboutAndSettingsOpenAndClose_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("about") << "aboutButton"
                               << "aboutView"
                               << "About Kestrum console";
        QTest::newRow("settings") << "settingsButton"
                                  << "settingsView"
                                  << "Settings";
    }

    void aboutAndSettingsOpenAndClose()
    {
        QFETCH(QString, button);
        QFETCH(QString, page);
        QFETCH(QString, title);
        QVERIFY(m_console.click(button));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(page), uiTimeout);
        QCOMPARE(m_console.read(QStringLiteral("titleLabel"), "text").toString(), title);
        if (page == QLatin1String("settingsView")) {
            // The service given on the command line is the one in use.
            auto *server
                = m_console.read(QStringLiteral("serverField"), "comboBox").value<QObject *>();
            QVERIFY(server);
            QCOMPARE(server->property("editText").toString(), m_serviceUri);
        }
        QVERIFY(m_console.click(QStringLiteral("backButton")));
        QTRY_VERIFY_WITH_TIMEOUT(
            !m_console.isShown(page) && m_console.isShown(QStringLiteral("loginView")), uiTimeout);
        QVERIFY(!m_console.isShown(QStringLiteral("backButton")));
    }

    void wrongPasswordIsDenied()
    {
        QVERIFY(m_console.typeInto(QStringLiteral("loginField"), demoLogin));
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), wrongPassword));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(errorShown(m_console, accessDenied), networkTimeout);
        QCOMPARE(
            m_console.read(QStringLiteral("errorLabel"), "color").value<QColor>(), QColor(Qt::red));
        QVERIFY(!m_console.isShown(QStringLiteral("signInBusyIndicator")));
        QVERIFY(m_console.isShown(QStringLiteral("loginView")));
    }

    void signInWithRememberMe()
    {
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), demoPassword));
        QVERIFY(m_console.click(QStringLiteral("rememberCheck")));
        QVERIFY(m_console.read(QStringLiteral("rememberCheck"), "checked").toBool());
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), networkTimeout);
        QCOMPARE(m_console.read(QStringLiteral("loginNameLabel"), "text").toString(), demoLogin);

        // The session is kept for the next start: with no credential store in the sandbox, in
        // a file of its own that only the operator's account may read, never in the settings.
        QFile kept(SessionVault::fallbackPath());
        QTRY_VERIFY_WITH_TIMEOUT(kept.exists(), uiTimeout);
        QCOMPARE(kept.permissions() & ~(QFile::ReadUser | QFile::WriteUser),
            QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        sessionToken = QJsonDocument::fromJson(kept.readAll())
                           .object()
                           .value(QLatin1String("sessionToken"))
                           .toString();
        QVERIFY(!sessionToken.isEmpty());
        QSettings settings;
        settings.sync();
        QFile settingsFile(settings.fileName());
        QVERIFY(settingsFile.open(QIODevice::ReadOnly));
        QVERIFY(!settingsFile.readAll().contains(sessionToken.toUtf8()));

        // The display name is not part of the login answer: it is looked up afterwards.
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("userNameLabel"), "text").toString(), demoUserName,
            networkTimeout);
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

private:
    QString m_serviceUri;
    OperatorWindow m_console;
};

// Second start: the kept session signs in, log-off, and a service that has gone away.
class SecondRun : public QObject
{
    Q_OBJECT
public:
    explicit SecondRun(ForkedService &service)
        : m_service(service)
    { }

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QTRY_VERIFY_WITH_TIMEOUT(consoleReady(m_console), startTimeout);
    }

    void storedSessionSignsIn()
    {
        QCOMPARE(m_console.read(QStringLiteral("loginField"), "text").toString(), demoLogin);
        QCOMPARE(m_console.read(QStringLiteral("passwordField"), "text").toString(),
            QStringLiteral("________"));
        QVERIFY(m_console.read(QStringLiteral("rememberCheck"), "checked").toBool());
        QVERIFY(m_console.click(QStringLiteral("loginField")));
        m_console.pressKey(Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), networkTimeout);
        QCOMPARE(m_console.read(QStringLiteral("loginNameLabel"), "text").toString(), demoLogin);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("userNameLabel"), "text").toString(), demoUserName,
            networkTimeout);
    }

    void logOffShowsTheLoginView()
    {
        const int logOffsBefore = ConsoleRun::logFilesText().count("Logoff request");
        QVERIFY(m_console.click(QStringLiteral("logOffButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("loginView"))
                && !m_console.isShown(QStringLiteral("welcomeView")),
            uiTimeout);
        QCOMPARE(m_console.read(QStringLiteral("passwordField"), "text").toString(), QString());
        QVERIFY(!m_console.read(QStringLiteral("rememberCheck"), "checked").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(SessionVault::fallbackPath()), uiTimeout);
        // The service answers the log-off before the next step stops it.
        QTRY_VERIFY_WITH_TIMEOUT(
            ConsoleRun::logFilesText().count("Logoff request") > logOffsBefore, networkTimeout);
    }

    void stoppedServiceEndsTheBusyIndicator()
    {
        m_service.stop();
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), demoPassword));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        // Not a refusal: the operator is told the service cannot be reached.
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("errorLabel"))
                && m_console.read(QStringLiteral("errorLabel"), "text")
                       .toString()
                       .startsWith(QStringLiteral("Cannot reach the service at ")),
            networkTimeout);
        QVERIFY(!m_console.isShown(QStringLiteral("signInBusyIndicator")));
        QVERIFY(m_console.read(QStringLiteral("signInButton"), "enabled").toBool());
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

private:
    ForkedService &m_service;
    OperatorWindow m_console;
};

// The log file of both starts holds no session token and no password.
class LogCheck : public QObject
{
    Q_OBJECT
public:
    QStringList secrets;

private slots:
    void logHoldsNoSecrets()
    {
        const QByteArray text = ConsoleRun::logFilesText();
        QVERIFY(!text.isEmpty());
        // The log is the whole run's, not an empty file.
        QVERIFY(text.contains("Authorized"));
        QVERIFY(text.contains("Logoff request"));
        for (const QString &secret : qAsConst(secrets)) {
            QVERIFY(!secret.isEmpty());
            QVERIFY2(!text.contains(secret.toUtf8()), qPrintable(secret));
        }
    }
};

int main(int argc, char **argv)
{
    QByteArray workDir = qgetenv("TMPDIR");
    if (workDir.isEmpty())
        workDir = "/tmp";
    workDir += "/e2e-service-XXXXXX";
    if (!mkdtemp(workDir.data())) {
        std::fprintf(stderr, "no work folder for the service\n");
        return 1;
    }
    ForkedService service(KESTRUM_SERVICE_BINARY, workDir.toStdString());
    std::string error;
    if (!service.start(error)) {
        std::fprintf(stderr, "FAIL: the service did not start: %s\n", error.c_str());
        return 1;
    }
    const QStringList consoleArguments { QStringLiteral("--service-uri"),
        QString::fromStdString(service.serviceUri()), QStringLiteral("--log") };

    int failures = 0;
    FirstRun first(QString::fromStdString(service.serviceUri()));
    failures += ConsoleRun::run(&first, consoleArguments);
    SecondRun second(service);
    failures += ConsoleRun::run(&second, consoleArguments);
    service.stop();

    QCoreApplication application(argc, argv);
    LogCheck logCheck;
    logCheck.secrets = QStringList { first.sessionToken, demoPassword, wrongPassword };
    failures += QTest::qExec(&logCheck, argc, argv);
    return failures ? 1 : 0;
}

#include "tst_e2e.moc"
