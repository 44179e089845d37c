// The largest answer the console accepts, arriving in each list screen: the longest stall of the
// GUI thread from asking the list again until the screen has settled, and the peak resident
// memory above the signed-in baseline meanwhile. A scripted service inside the benchmark answers
// every other call with an empty list; what is still held after the screen closes and after
// log-off is reported too. Goals: no stall over 100 ms, no peak over 500 MB; the
// ratio is the worst stall (the GUI thread's processor time within it) over the 100 ms goal.
// Usage: bench_hostile [rounds per case, 3 by default] [only the cases whose name holds this];
// stalls are medians over the rounds.
#include "../common/ConsoleQml.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtPlugin>

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

Q_IMPORT_PLUGIN(QtQuickXPlugin)

namespace {

constexpr double stallGoalMs = 100;
constexpr double memoryGoalMb = 500;
constexpr int settleMs = 3000;
constexpr int mib = 1024 * 1024;
const QByteArray emptyList = R"({"status":0,"result":{"items":[],"total":0}})";

double residentMb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / mib;
}

// Samples the resident memory from its own thread: the GUI thread may be the one that stalls.
class PeakMemory
{
public:
    PeakMemory()
        : m_thread([this] {
            while (!m_stop.load()) {
                const double now = residentMb();
                double peak = m_peak.load();
                while (now > peak && !m_peak.compare_exchange_weak(peak, now)) { }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        })
    { }
    ~PeakMemory()
    {
        m_stop = true;
        m_thread.join();
    }
    PeakMemory(const PeakMemory &) = delete;
    PeakMemory &operator=(const PeakMemory &) = delete;

    void reset() { m_peak = residentMb(); }
    double peak() const { return m_peak.load(); }

private:
    std::atomic<bool> m_stop { false };
    std::atomic<double> m_peak { 0 };
    std::thread m_thread;
};

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The longest gap between ticks of a 1 ms timer of the GUI thread: in wall-clock time, and in
// the processor time the GUI thread spent within one gap (the machine may be shared, and a busy
// machine stretches every wall-clock gap).
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_ticks.nsecsElapsed() / 1e6);
            m_ticks.restart();
            const double cpu = threadCpuMs();
            m_longestCpu = std::max(m_longestCpu, cpu - m_lastCpu);
            m_lastCpu = cpu;
        });
    }
    void start()
    {
        m_longest = 0;
        m_longestCpu = 0;
        m_lastCpu = threadCpuMs();
        m_ticks.start();
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    double longest() const { return m_longest; }
    double longestCpu() const { return m_longestCpu; }

private:
    QTimer m_timer;
    QElapsedTimer m_ticks;
    double m_longest = 0;
    double m_longestCpu = 0;
    double m_lastCpu = 0;
};

// Answers each POST by its path; counts the answers it has written out completely.
class ScriptedService : public QObject
{
public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
    };

    ScriptedService()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    QString uri() const
    {
        return QStringLiteral("http://127.0.0.1:%1/QuillonService.svc").arg(m_server.serverPort());
    }
    // The answer is made ready to write here: the service is no part of the console, and
    // copying tens of megabytes would count in the stall of the GUI thread both share.
    void set(const QString &method, const Answer &answer)
    {
        m_answers.insert(method, wire(answer));
    }
    void clear() { m_answers.clear(); }
    // Answers written out completely to calls of this method.
    int written(const QString &method) const { return m_written.value(method); }

private:
    void serve(QTcpSocket *socket)
    {
        auto request = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            request->append(socket->readAll());
            const int end = request->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = request->left(end).toLower();
            const int at = head.indexOf("content-length:");
            const int length = at < 0
                ? 0
                : head.mid(at + 15, head.indexOf('\r', at) - at - 15).trimmed().toInt();
            if (request->size() < end + 4 + length)
                return;
            const QByteArray target = request->split(' ').value(1);
            const QString method = QString::fromUtf8(target.mid(target.lastIndexOf('/') + 1));
            const QByteArray out = m_answers.value(method, m_empty);
            // Written a piece at a time: the socket copies what it is given.
            auto sent = std::make_shared<qint64>(0);
            auto left = std::make_shared<qint64>(out.size());
            const auto feed = [socket, out, sent] {
                constexpr qint64 piece = 1024 * 1024;
                while (*sent < out.size() && socket->bytesToWrite() < piece) {
                    const qint64 size = std::min(piece, out.size() - *sent);
                    socket->write(out.constData() + *sent, size);
                    *sent += size;
                }
            };
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                [this, socket, left, method, feed](qint64 n) {
                    if ((*left -= n) <= 0) {
                        ++m_written[method];
                        socket->disconnectFromHost();
                        return;
                    }
                    feed();
                });
            feed();
            request->clear();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    static QByteArray wire(const Answer &answer)
    {
        return "HTTP/1.1 " + QByteArray::number(answer.status)
            + " Scripted\r\nContent-Type: application/json\r\nContent-Length: "
            + QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n"
            + answer.body;
    }

    QTcpServer m_server;
    const QByteArray m_empty = wire({ 200, emptyList });
    QHash<QString, QByteArray> m_answers;
    QHash<QString, int> m_written;
};

void spin(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Walks the items, not the object tree: the rows of a list view are no object children of it.
QQuickItem *findItem(QQuickItem *root, const char *name)
{
    if (root->objectName() == QLatin1String(name))
        return root;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// The screen as a page of the window, until the page is closed.
class Page
{
public:
    Page(QQmlEngine &engine, QQuickWindow &window, const QString &uri, const QString &screen)
    {
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/bench/HostilePage.qml")));
        m_page.reset(openPage(component, window,
            { { QStringLiteral("serviceUri"), uri },
                { QStringLiteral("screen"), QUrl(QStringLiteral("qrc:///App/") + screen) } }));
    }
    ~Page() { closePage(m_page); }
    Page(const Page &) = delete;
    Page &operator=(const Page &) = delete;

    QQuickItem *item() const { return m_page.get(); }

private:
    std::unique_ptr<QQuickItem> m_page;
};

struct Case
{
    const char *name;
    const char *screen;
    const char *method;
    ScriptedService::Answer answer;
    // What the screen needs before the hostile answer, on the page just opened; false: it
    // could not be readied.
    std::function<bool(QQuickItem *page)> prepare;
    // Makes the screen ask for the list that gets the hostile answer.
    std::function<void(QQuickItem *page)> trigger;
    // Where a second figure is wanted: what the operator does next with the answer.
    std::function<void(QQuickItem *page)> next;
};

std::function<void(QQuickItem *)> reload(const char *list)
{
    return [list](QQuickItem *page) {
        QMetaObject::invokeMethod(page, "reload", Q_ARG(QVariant, QString::fromLatin1(list)));
    };
}

QByteArray itemsAnswer(const QByteArray &items)
{
    return R"({"status":0,"result":{"total":)" + QByteArray::number(items.count("\"id\""))
        + R"(,"items":[)" + items + "]}}";
}

// Items with a text member of about `bytes`, the rest as given.
QByteArray longText(int bytes)
{
    return QByteArray(bytes, 'x');
}

QByteArray chain(const char *parentKey, int depth)
{
    QByteArray items;
    for (int id = depth; id >= 1; --id) {
        if (!items.isEmpty())
            items += ',';
        items += R"({"id":)" + QByteArray::number(id) + R"(,"n":"Level )" + QByteArray::number(id)
            + R"(",")" + parentKey + R"(":)" + QByteArray::number(id - 1) + "}";
    }
    return itemsAnswer(items);
}

QByteArray manyUsers(int bytes)
{
    QByteArray items;
    for (int id = 1; items.size() < bytes; ++id) {
        if (!items.isEmpty())
            items += ',';
        items += R"({"id":)" + QByteArray::number(id) + R"(,"n":"User )" + QByteArray::number(id)
            + R"( with a name of some length, as operators give them","cId":1,"r":3,"l":[]})";
    }
    return itemsAnswer(items);
}

std::vector<Case> cases()
{
    const int largest = 30 * mib;
    std::vector<Case> all;
    all.push_back({ "users: a name of 30 MiB", "Users/Ui/ManageUsersView.qml", "listUsers",
        { 200, itemsAnswer(R"({"id":5,"n":")" + longText(largest) + R"(","cId":1,"r":3})") },
        nullptr, reload("users"), nullptr });
    all.push_back({ "users: 30 MB of users", "Users/Ui/ManageUsersView.qml", "listUsers",
        { 200, manyUsers(largest) }, nullptr, reload("users"), nullptr });
    all.push_back({ "users: an HTTP 500 page of 30 MiB", "Users/Ui/ManageUsersView.qml",
        "listUsers", { 500, "<html><body>" + longText(largest) + "</body></html>" }, nullptr,
        reload("users"), nullptr });
    all.push_back({ "locations: an owner chain 10,000 deep", "Customers/Ui/ManageCustomersView.qml",
        "listCustomers", { 200, chain("oId", 10000) }, nullptr, reload("locations"), nullptr });
    all.push_back({ "tags: a parent chain 10,000 deep", "Tags/Ui/ManageTagsView.qml", "listTags",
        { 200, chain("pId", 10000) }, nullptr, reload("tags"), nullptr });
    all.push_back({ "tasks: task data of 30 MiB", "Tasks/Ui/ManageTasksView.qml", "listTasks",
        { 200, itemsAnswer(R"({"id":7,"t":5,"s":2,"sc":1,"d":")" + longText(largest) + R"("})") },
        nullptr, reload("tasks"), nullptr });
    all.push_back({ "tickets: a result of 30 MiB, then its details", "Tasks/Ui/ManageTasksView.qml",
        "listTickets",
        { 200,
            itemsAnswer(R"({"id":41,"tid":8,"did":3,"t":"5","s":2,"dn":"Room 12","r":")"
                + longText(largest) + R"("})") },
        [](QQuickItem *page) {
            // The task list is application-wide: the case before left its own hostile list in
            // it. The two ordinary tasks are listed again, the first current.
            reload("tasks")(page);
            QQuickItem *tasks = findItem(page, "tasksList");
            QElapsedTimer waited;
            waited.start();
            while (tasks && tasks->property("count").toInt() != 2 && waited.elapsed() < 20000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            spin(1000);
            return tasks && tasks->property("count").toInt() == 2;
        },
        [](QQuickItem *page) {
            // The second task's tickets are the hostile ones.
            findItem(page, "tasksList")->setProperty("currentIndex", 1);
        },
        [](QQuickItem *page) {
            QQuickItem *row = findItem(page, "ticketRow");
            if (!row) {
                std::printf("  (no ticket row: the details were not opened)\n");
                return;
            }
            QMetaObject::invokeMethod(
                row, "openTicketDetails", Q_ARG(QVariant, row->property("mData")));
            auto *dialog = page->findChild<QObject *>(QStringLiteral("ticketDetailsDialog"));
            if (!dialog || !dialog->property("visible").toBool())
                std::printf("  (the details dialog did not open)\n");
        } });
    QByteArray devices;
    for (int id = 1; id <= 12; ++id) {
        devices += (id > 1 ? "," : "") + QByteArray(R"({"id":)") + QByteArray::number(id)
            + R"(,"n":")" + longText(mib) + R"("})";
    }
    all.push_back({ "devices: twelve names of 1 MiB", "Devices/Ui/ManageDevicesView.qml",
        "listDevices", { 200, itemsAnswer(devices) }, nullptr, reload("devices"), nullptr });
    return all;
}

struct Figures
{
    double stall = -1;
    double stallCpu = -1;
    double peak = -1;
    // The hostile answer was written out to the screen's call.
    bool answered = true;
};

// Runs the script in the engine, then what the main view does once a screen has closed: the
// script heap collected and the free heap given back.
void runThenRelease(QQmlEngine &engine, const QByteArray &script)
{
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\nimport QtQuickX 1.0\nimport App.Managers 1.0\n"
                      "QtObject { Component.onCompleted: { "
            + script + "; gc(); QtX.giveBackFreeMemory() } }",
        QUrl());
    delete component.create();
}

// The items of the page that say whether their list is on its way or being read. Found once
// before a measure: a walk reading a property of every item takes the GUI thread tens of
// milliseconds, which would count in the stall being measured.
void findLoadingFlags(QQuickItem *root, std::vector<QPointer<QQuickItem>> &flags)
{
    if (root->metaObject()->indexOfProperty("isDataLoading") >= 0)
        flags.emplace_back(root);
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children)
        findLoadingFlags(child, flags);
}

bool listLoading(const std::vector<QPointer<QQuickItem>> &flags)
{
    return std::any_of(flags.cbegin(), flags.cend(), [](const QPointer<QQuickItem> &item) {
        return item && item->property("isDataLoading").toBool();
    });
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Figures medians(const std::vector<Figures> &rounds)
{
    std::vector<double> stalls, stallsCpu;
    double peak = 0;
    for (const Figures &round : rounds) {
        stalls.push_back(round.stall);
        stallsCpu.push_back(round.stallCpu);
        peak = std::max(peak, round.peak);
    }
    return { median(stalls), median(stallsCpu), peak, true };
}

// Only an answer to the method itself counts: other lists of the screen may be asked meanwhile.
// The screen has settled once its lists are read (a large answer is read after it arrived) and
// a while has passed.
Figures measure(ScriptedService &service, PeakMemory &memory, const QString &method,
    QQuickItem *page, const std::function<void()> &action, double baseline)
{
    std::vector<QPointer<QQuickItem>> loadingFlags;
    findLoadingFlags(page, loadingFlags);
    StallMeter stall;
    memory.reset();
    const int before = service.written(method);
    stall.start();
    action();
    QElapsedTimer limit;
    limit.start();
    while (service.written(method) == before && limit.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const bool answered = service.written(method) != before;
    spin(100);
    while (listLoading(loadingFlags) && limit.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    spin(settleMs);
    stall.stop();
    return { stall.longest(), stall.longestCpu(), memory.peak() - baseline, answered };
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    // Rounds per case: the stalls are their medians, the peak the highest.
    const int roundCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    prepareConsoleQml();
    QQmlEngine engine;
    prepareConsoleEngine(engine);

    QQuickWindow window;
    showConsoleWindow(window);

    ScriptedService service;
    PeakMemory memory;
    const QByteArray twoTasks = itemsAnswer(
        R"({"id":7,"t":5,"s":2,"sc":1,"d":"{}"},{"id":8,"t":5,"s":2,"sc":1,"d":"{}"})");

    // The signed-in baseline: every screen opened once with ordinary answers, then closed.
    for (const Case &entry : cases()) {
        service.clear();
        service.set(QStringLiteral("listTasks"), { 200, twoTasks });
        Page page(engine, window, service.uri(), QString::fromLatin1(entry.screen));
        spin(1000);
    }
    engine.collectGarbage();
    spin(500);
    const double baseline = residentMb();
    std::printf("signed-in baseline: %.0f MB\n", baseline);
    std::fflush(stdout);

    double worstStall = 0;
    double worstStallCpu = 0;
    double worstPeak = 0;
    for (const Case &entry : cases()) {
        if (!QString::fromLatin1(entry.name).contains(only))
            continue;
        std::vector<Figures> rounds, nexts;
        for (int round = 0; round < roundCount; ++round) {
            service.clear();
            service.set(QStringLiteral("listTasks"), { 200, twoTasks });
            Figures figures, next;
            {
                Page page(engine, window, service.uri(), QString::fromLatin1(entry.screen));
                if (!page.item())
                    return 1;
                spin(1500);
                if (entry.prepare && !entry.prepare(page.item())) {
                    std::printf("%-44s the screen could not be readied\n", entry.name);
                    return 1;
                }
                const QString method = QString::fromLatin1(entry.method);
                service.set(method, entry.answer);
                figures = measure(
                    service, memory, method, page.item(), [&] { entry.trigger(page.item()); },
                    baseline);
                if (!figures.answered) {
                    std::printf("%-44s the screen never asked for the list\n", entry.name);
                    return 1;
                }
                if (entry.next) {
                    StallMeter stall;
                    memory.reset();
                    stall.start();
                    entry.next(page.item());
                    spin(settleMs);
                    stall.stop();
                    next = { stall.longest(), stall.longestCpu(), memory.peak() - baseline };
                    nexts.push_back(next);
                }
            }
            rounds.push_back(figures);
            engine.collectGarbage();
            spin(500);
        }
        const Figures figures = medians(rounds);
        runThenRelease(engine, "");
        spin(1500);
        const double held = residentMb() - baseline;
        // As the welcome view logs off.
        runThenRelease(engine, "AuthManager.logoff()");
        spin(1500);
        const double heldLoggedOff = residentMb() - baseline;
        std::printf(
            "%-44s stall %7.1f ms (cpu %6.1f ms)  peak +%4.0f MB  held after closing +%4.0f "
            "MB, after log-off +%4.0f MB\n",
            entry.name, figures.stall, figures.stallCpu, figures.peak, held, heldLoggedOff);
        Figures next;
        if (!nexts.empty()) {
            next = medians(nexts);
            std::printf("%-44s stall %7.1f ms (cpu %6.1f ms)  peak +%4.0f MB\n",
                "  ... its details open for 3 s", next.stall, next.stallCpu, next.peak);
        }
        std::fflush(stdout);
        worstStall = std::max({ worstStall, figures.stall, next.stall });
        worstStallCpu = std::max({ worstStallCpu, figures.stallCpu, next.stallCpu });
        worstPeak = std::max({ worstPeak, figures.peak, next.peak });
    }
    std::printf(
        "worst stall: %.1f ms wall clock, %.1f ms of GUI-thread processor time (goal %.0f ms)\n",
        worstStall, worstStallCpu, stallGoalMs);
    std::printf("worst peak above baseline: %.0f MB (goal %.0f MB)\n", worstPeak, memoryGoalMb);
    std::printf("memory ratio: %.2f\n", worstPeak / memoryGoalMb);
    std::printf("wall-clock stall ratio: %.2f\n", worstStall / stallGoalMs);
    std::printf("ratio: %.2f\n", worstStallCpu / stallGoalMs);
    return 0;
}
