// Memory a screen leaves behind: the console, through its own start-up code, signed in against
// the reference service with demo data (and a fleet of 5,000 devices by default), opens every
// administration screen from the welcome view and goes back, `cycles` times per screen. After
// each cycle it collects the script heap and reads the resident memory. Reported per screen: the
// growth per cycle against the first cycle and against the tenth. There is no peer: the goal is
// under 100 KB per cycle after the first ten, and `ratio` is the worst screen's growth per cycle
// after the first ten divided by 100 KB. Also the resident memory after log-off, against the
// signed-in baseline, and the objects each cycle leaves alive (free of the resident memory's
// noise).
//
// Usage: bench_screenmemory [cycles=50] [devices=5000] [objective: only that screen, e.g. ifps]
#include "ConsoleMain.h"

#include "../../tests/e2e/ForkedService.h"
#include "../../tests/e2e/OperatorWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <private/qhooks_p.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double goalKb = 100;
constexpr int waitLimitMs = 60000;
// Time a screen gets to read its lists before the operator goes back.
constexpr int shownMs = 1500;

int cycles = 50;
QString onlyObjective;
double worstGrowthKb = -1;
int driverFailures = 0;

// Objects alive, counted through Qt's object hooks from the start of main.
std::atomic<long> liveObjects { 0 };

void objectAdded(QObject *)
{
    ++liveObjects;
}

void objectRemoved(QObject *)
{
    --liveObjects;
}

struct Screen
{
    const char *objective;
    const char *view;
};

const Screen screens[] = {
    { "locations", "manageCustomersView" },
    { "users", "manageUsersView" },
    { "activity", "activityView" },
    { "ifps", "manageDevicesView" },
    { "tasks", "manageTasksView" },
    { "structure", "manageTagsView" },
    { "createAdminFlash", "usbTokenCreatorView" },
};

double residentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024;
}

void spin(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

template<typename Condition>
bool waitFor(Condition condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > waitLimitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

OperatorWindow console;

QQuickItem *item(const char *objectName)
{
    return console.item(QString::fromLatin1(objectName));
}

bool settled()
{
    QQuickItem *stack = item("pageStack");
    return stack && !stack->property("busy").toBool();
}

// Presses the button as the operator's click would; signal is the one its screen acts on.
bool press(const char *objectName, const char *signal = "clicked")
{
    QQuickItem *button = item(objectName);
    if (!button || !button->isEnabled())
        return false;
    // A button with an action runs it only on a click of its own.
    if (auto *action = button->property("action").value<QObject *>())
        return QMetaObject::invokeMethod(action, "trigger");
    return QMetaObject::invokeMethod(button, signal);
}

// The script heap collected and deleted objects gone, then the resident memory; the console's
// own release after a screen has closed (a second after the back transition) has run by then.
double settledResidentKb()
{
    if (QQuickWindow *window = console.window()) {
        if (QQmlEngine *engine = qmlEngine(window))
            engine->collectGarbage();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    spin(1800);
    return residentKb();
}

bool signIn()
{
    QQuickItem *login = nullptr;
    QQuickItem *password = nullptr;
    if (!waitFor([&] {
            login = item("loginField");
            password = item("passwordField");
            return login && password && item("signInButton");
        }))
        return false;
    login->setProperty("text", QStringLiteral("god@example.com"));
    password->setProperty("text", QStringLiteral("demo-god-2026"));
    return press("signInButton") && waitFor([] { return item("welcomeView") && settled(); });
}

// One open and back; false when the screen did not come or go.
bool cycle(const Screen &screen)
{
    const QString objective = QStringLiteral("objective_") + QLatin1String(screen.objective);
    if (!waitFor([&] { return press(qPrintable(objective)); }))
        return false;
    if (!waitFor([&] { return item(screen.view) && settled(); }))
        return false;
    spin(shownMs);
    return press("backButton") && waitFor([] { return item("welcomeView") && settled(); });
}

void measureScreen(const Screen &screen)
{
    std::vector<double> resident;
    std::vector<long> objects;
    for (int round = 0; round < cycles; ++round) {
        if (!cycle(screen)) {
            std::fprintf(stderr, "%s: round %d did not finish\n", screen.objective, round + 1);
            ++driverFailures;
            return;
        }
        resident.push_back(settledResidentKb());
        objects.push_back(liveObjects);
    }
    const double perCycle = cycles > 1 ? (resident.back() - resident.front()) / (cycles - 1) : 0;
    const int tenth = std::min(cycles, 10) - 1;
    const double afterTen = cycles > tenth + 1
        ? (resident.back() - resident[size_t(tenth)]) / (cycles - 1 - tenth)
        : perCycle;
    const double objectsAfterTen = cycles > tenth + 1
        ? double(objects.back() - objects[size_t(tenth)]) / (cycles - 1 - tenth)
        : double(objects.back() - objects.front()) / (cycles - 1);
    std::printf("%-18s RSS after the first cycle %7.1f MB, after the last %7.1f MB; per cycle "
                "%7.1f KB since the first, %7.1f KB after the first ten; %.1f objects left per "
                "cycle after the first ten\n",
        screen.objective, resident.front() / 1024, resident.back() / 1024, perCycle, afterTen,
        objectsAfterTen);
    std::fflush(stdout);
    worstGrowthKb = std::max(worstGrowthKb, afterTen);
}

void drive()
{
    if (!signIn()) {
        std::fprintf(stderr, "the console did not sign in\n");
        ++driverFailures;
        return;
    }
    // The welcome view's own lookups (user name, the audit probe) settle first.
    spin(3000);
    const double signedIn = settledResidentKb();
    std::printf("signed in: %.1f MB\n", signedIn / 1024);
    for (const Screen &screen : screens) {
        if (!onlyObjective.isEmpty() && onlyObjective != QLatin1String(screen.objective))
            continue;
        if (!waitFor([&] {
                QQuickItem *button = item(
                    qPrintable(QStringLiteral("objective_") + QLatin1String(screen.objective)));
                return button && button->isEnabled();
            })) {
            std::printf("%-18s not offered, left out\n", screen.objective);
            continue;
        }
        measureScreen(screen);
    }
    const double afterScreens = settledResidentKb();
    if (press("logOffButton", "pressed")
        && waitFor([] { return item("loginView") && settled(); })) {
        spin(1000);
        const double loggedOff = settledResidentKb();
        std::printf("after every screen: %.1f MB; after log-off: %.1f MB (%+.1f MB against "
                    "signed in)\n",
            afterScreens / 1024, loggedOff / 1024, (loggedOff - signedIn) / 1024);
    } else {
        std::fprintf(stderr, "log-off did not finish\n");
        ++driverFailures;
    }
}

// Runs once the console's application object exists, as its event loop starts.
void scheduleDriver()
{
    QTimer::singleShot(0, qApp, [] {
        drive();
        console.close();
        QCoreApplication::quit();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleDriver)

int main(int argc, char **argv)
{
    qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&objectAdded);
    qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(&objectRemoved);
    cycles = std::max(argc > 1 ? std::atoi(argv[1]) : 50, 2);
    const int devices = argc > 2 ? std::atoi(argv[2]) : 5000;
    if (argc > 3)
        onlyObjective = QString::fromLocal8Bit(argv[3]);

    std::string folder = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    folder += "/bench-screenmemory-XXXXXX";
    if (!mkdtemp(folder.data())) {
        std::fprintf(stderr, "no work folder\n");
        return 1;
    }
    // Settings and the session stay in the work folder, away from the operator's own.
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);

    ForkedService service(KESTRUM_SERVICE_BINARY, folder);
    service.addArguments({ "--demo-devices", std::to_string(devices) });
    std::string error;
    if (!service.start(error)) {
        std::fprintf(stderr, "the service did not start: %s\n", error.c_str());
        return 1;
    }
    std::printf("%d cycles per screen, %d devices\n", cycles, devices);
    std::fflush(stdout);

    std::vector<std::string> arguments { "bench_screenmemory", "--service-uri",
        service.serviceUri() };
    std::vector<char *> consoleArgv;
    for (std::string &argument : arguments)
        consoleArgv.push_back(argument.data());
    consoleArgv.push_back(nullptr);
    consoleMain(int(arguments.size()), consoleArgv.data());
    service.stop();

    if (driverFailures || worstGrowthKb < 0)
        return 1;
    std::printf("worst growth per cycle after the first ten: %.1f KB (goal %.0f KB)\n",
        worstGrowthKb, goalKb);
    std::printf("ratio: %.2f\n", worstGrowthKb / goalKb);
    return 0;
}
