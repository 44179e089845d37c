// The console, started by its own start-up code, against a scripted service that answers badly
// on purpose: a body that never ends, a name of 30 MiB, a redirect elsewhere, an error page that
// echoes the password. The console must survive, say what happened and keep secrets out of its
// log.
#include "ConsoleRun.h"
#include "OperatorWindow.h"
#include "ScriptedHttpServer.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace {

const QString password = QStringLiteral("hostile-pass-8841");
constexpr int uiTimeout = 20000;
constexpr int startTimeout = 60000;
const QByteArray grant = R"({"status":0,"result":{"t":"tok-hostile-5521","r":1,"uId":42}})";

// A loopback port nobody listens on now, for the scripted service to take once the console runs.
quint16 freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    quint16 port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

ScriptedHttpServer::Response answer(int status, const QByteArray &body)
{
    ScriptedHttpServer::Response response;
    response.status = status;
    response.body = body;
    return response;
}

} // namespace

class HostileService : public QObject
{
    Q_OBJECT
public:
    explicit HostileService(quint16 port)
        : m_port(port)
    { }

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        // Made inside the console's run: sockets need its event loop.
        m_server = std::make_unique<ScriptedHttpServer>();
        m_elsewhere = std::make_unique<ScriptedHttpServer>();
        QVERIFY(m_server->start(m_port));
        QVERIFY(m_elsewhere->start());
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("loginView"))
                && !m_console.read(QStringLiteral("splashScreenLoader"), "active").toBool(),
            startTimeout);
        QVERIFY(m_console.typeInto(QStringLiteral("loginField"), "op@example.com"));
    }

    // A body that never ends: About stays reachable, the sign-in can be cancelled.
    void stalledSignInLeavesTheOperatorFree()
    {
        ScriptedHttpServer::Response stalled = answer(200, grant);
        stalled.stallAfterBytes = 3;
        m_server->setPathResponse("/QuillonService.svc/login", stalled);
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), password));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("signInBusyIndicator")), uiTimeout);
        QVERIFY(m_console.click(QStringLiteral("aboutButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("aboutView")), uiTimeout);
        QVERIFY(m_console.click(QStringLiteral("backButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("loginView"))
                && !m_console.isShown(QStringLiteral("aboutView")),
            uiTimeout);
        QVERIFY(m_console.click(QStringLiteral("cancelSignInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(
            !m_console.isShown(QStringLiteral("signInBusyIndicator")), uiTimeout);
        QVERIFY(m_console.read(QStringLiteral("signInButton"), "enabled").toBool());
    }

    // The password goes nowhere but where it was addressed.
    void redirectElsewhereIsNotFollowed()
    {
        ScriptedHttpServer::Response redirect = answer(307, QByteArray());
        redirect.headers.append({ "Location", m_elsewhere->url("/steal").toEncoded() });
        m_server->setPathResponse("/QuillonService.svc/login", redirect);
        m_elsewhere->setDefaultResponse(answer(200, grant));
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), password));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("errorLabel")), uiTimeout);
        QVERIFY(
            m_console.read(QStringLiteral("errorLabel"), "text").toString().contains("redirected"));
        QCOMPARE(m_elsewhere->requests().size(), 0);
        QVERIFY(m_console.isShown(QStringLiteral("loginView")));
    }

    // An error page that echoes the request, large: it is reported, and its start is logged
    // without the password.
    void echoingErrorPageIsReported()
    {
        m_server->setPathResponse("/QuillonService.svc/login",
            answer(500,
                "<pre>password=" + password.toUtf8() + "</pre>"
                    + QByteArray(8 * 1024 * 1024, '#')));
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), password));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.read(QStringLiteral("errorLabel"), "text")
                                     .toString()
                                     .contains("answered HTTP 500"),
            uiTimeout);
    }

    // A well-formed answer with a user name of 30 MiB: shown as one short line, no crash.
    void hugeUserNameIsShownShort()
    {
        m_server->setPathResponse("/QuillonService.svc/login", answer(200, grant));
        m_server->setPathResponse("/QuillonService.svc/listUsers",
            answer(200,
                R"({"status":0,"result":{"items":[{"id":42,"n":")"
                    + QByteArray(30 * 1024 * 1024, 'W') + R"("}]}})"));
        m_server->setPathResponse(
            "/QuillonService.svc/listLogins", answer(200, R"({"status":0,"result":{"items":[]}})"));
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), password));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), uiTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.read(QStringLiteral("userNameLabel"), "text").toString().startsWith("WWW"),
            uiTimeout);
        QVERIFY(m_console.read(QStringLiteral("userNameLabel"), "text").toString().size() <= 201);
        // Frames keep being drawn with the name on screen.
        QTest::qWait(500);
        QVERIFY(m_console.isShown(QStringLiteral("userNameLabel")));
    }

    // Each administration screen against one bad answer to its list: it says why, offers to read
    // again, and the window keeps drawing frames meanwhile.
    void eachListSaysWhyItFailed_data()
    {
        QTest::addColumn<QString>("objective");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("refresh");

        const QString unread = QStringLiteral("The list could not be read: ");
        addRow("users, HTTP 500 page", "users", "manageUsersView", "listUsers", HttpError, unread);
        // Lists read before are shown as they are: Refresh asks again.
        addRow("locations, refused", "locations", "manageCustomersView", "listCustomers", Refused,
            QStringLiteral("The service refused the list: "), "refreshLocationsButton");
        addRow("tags, not JSON", "structure", "manageTagsView", "listTags", NotJson, unread);
        addRow(
            "devices, wrong shape", "ifps", "manageDevicesView", "listDevices", WrongShape, unread);
        addRow("tasks, over the size bound", "tasks", "manageTasksView", "listTasks", TooLarge,
            unread, "refreshTasksButton");
        addRow("tickets, stalled", "tasks", "manageTasksView", "listTickets", Stalled, unread,
            "refreshTasksButton");
    }

    void eachListSaysWhyItFailed()
    {
        QFETCH(QString, objective);
        QFETCH(QString, screen);
        QFETCH(QByteArray, method);
        QFETCH(int, fault);
        QFETCH(QString, says);
        QFETCH(QString, refresh);

        const QByteArray emptyList = R"({"status":0,"result":{"items":[],"skipped":0,"total":0}})";
        m_server->setDefaultResponse(answer(200, emptyList));
        m_server->setPathResponse("/QuillonService.svc/listUsers",
            answer(200, R"({"status":0,"result":{"items":[{"id":42,"n":"Operator","r":1}]}})"));
        m_server->setPathResponse("/QuillonService.svc/listTasks",
            answer(200, R"({"status":0,"result":{"items":[{"id":"1","t":1,"s":1}]}})"));
        m_server->setPathResponse("/QuillonService.svc/" + method, badAnswer(Fault(fault)));

        QVERIFY(toWelcomeView());
        QVERIFY(m_console.click(QStringLiteral("objective_") + objective));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(screen), uiTimeout);
        QVERIFY(refresh.isEmpty() || m_console.click(refresh));
        QVERIFY(keepsPainting());
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("listFailureText")), uiTimeout);
        const QString text = m_console.read(QStringLiteral("listFailureText"), "text").toString();
        QVERIFY2(text.startsWith(says), qPrintable(text));
        QVERIFY(keepsPainting());

        // Read again once the service answers well.
        m_server->setPathResponse("/QuillonService.svc/" + method, answer(200, emptyList));
        QVERIFY(m_console.click(QStringLiteral("listRetryButton")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_console.isShown(QStringLiteral("listFailureText")), uiTimeout);
    }

    void cleanupTestCase()
    {
        m_server.reset();
        m_elsewhere.reset();
        ConsoleRun::releaseConsoleLog();
    }

private:
    enum Fault { HttpError, Refused, NotJson, WrongShape, TooLarge, Stalled };

    static void addRow(const char *name, const char *objective, const char *screen,
        const char *method, Fault fault, const QString &says, const char *refresh = "")
    {
        QTest::newRow(name) << QString::fromLatin1(objective) << QString::fromLatin1(screen)
                            << QByteArray(method) << int(fault) << says
                            << QString::fromLatin1(refresh);
    }

    static ScriptedHttpServer::Response badAnswer(Fault fault)
    {
        switch (fault) {
        case HttpError:
            return answer(500, "<html><body>Internal Server Error</body></html>");
        case Refused:
            return answer(200, R"({"status":3,"result":null})");
        case NotJson:
            return answer(200, "<html>All good</html>");
        case WrongShape:
            return answer(200, R"({"status":0,"result":{"items":{"length":5}}})");
        case TooLarge:
            return answer(200, QByteArray(33 * 1024 * 1024, ' '));
        case Stalled:
            break;
        }
        ScriptedHttpServer::Response stalled = answer(200, R"({"status":0,"result":{"items":[]}})");
        stalled.stallAfterBytes = 3;
        return stalled;
    }

    bool toWelcomeView() { return m_console.toWelcomeView(uiTimeout); }

    // Frames asked for are drawn: the GUI thread is not stuck in an answer.
    bool keepsPainting()
    {
        QQuickWindow *window = m_console.window();
        if (!window)
            return false;
        int frames = 0;
        const QMetaObject::Connection counting
            = QObject::connect(window, &QQuickWindow::frameSwapped, [&frames] { ++frames; });
        for (int i = 0; i < 10; ++i) {
            window->update();
            QTest::qWait(50);
        }
        QObject::disconnect(counting);
        return frames >= 5;
    }

    quint16 m_port;
    std::unique_ptr<ScriptedHttpServer> m_server;
    std::unique_ptr<ScriptedHttpServer> m_elsewhere;
    OperatorWindow m_console;
};

// The log holds neither the password nor the session token, and no answer whole.
class HostileLogCheck : public QObject
{
    Q_OBJECT
private slots:
    void logHoldsNoSecretAndNoWholeAnswer()
    {
        const QByteArray text = ConsoleRun::logFilesText();
        QVERIFY(!text.isEmpty());
        QVERIFY(text.contains("FileLoader error loading"));
        QVERIFY(!text.contains(password.toUtf8()));
        QVERIFY(!text.contains("tok-hostile-5521"));
        QVERIFY2(text.size() < 1024 * 1024, QByteArray::number(text.size()).constData());
    }
};

int main(int argc, char **argv)
{
    const quint16 port = freePort();
    if (!port)
        return 1;
    const QStringList consoleArguments { QStringLiteral("--service-uri"),
        QStringLiteral("http://127.0.0.1:%1/QuillonService.svc").arg(port),
        QStringLiteral("--log") };
    HostileService hostile(port);
    int failures = ConsoleRun::run(&hostile, consoleArguments);

    QCoreApplication application(argc, argv);
    HostileLogCheck logCheck;
    failures += QTest::qExec(&logCheck, argc, argv);
    return failures ? 1 : 0;
}

#include "tst_e2e_hostile.moc"
