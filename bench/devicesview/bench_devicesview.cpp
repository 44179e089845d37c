// Opening the devices screen and changing its filter, against a bare page doing the same request
// and showing the same rows, both talking to the reference service seeded with a large fleet.
// Both open as a page of one window that stays, as the console opens its screens. Times run from
// the action to the first frame swapped after the rows are in the scene; the two sides alternate,
// medians are reported, and the spread of the open ratio (its slowest round over its median), in
// which a screen that sometimes does more before its first frame shows. Also reports the longest
// stall of the GUI thread while the screen loads ten pages one after the other, as a median of
// as many rounds, in wall-clock time and in the GUI thread's processor time (which does not grow
// while the thread waits for a core on a loaded machine).
#include "../common/ConsoleQml.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtPlugin>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <time.h>
#endif

Q_IMPORT_PLUGIN(QtQuickXPlugin)

namespace {

constexpr int waitLimitMs = 120000;
constexpr int settleMs = 1000;

// Processor time of the calling thread in milliseconds; wall-clock time where not offered.
double threadCpuMs()
{
#ifdef Q_OS_UNIX
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
#else
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.nsecsElapsed() / 1e6;
#endif
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int startService(QProcess &server, const QString &dbPath, int devices)
{
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QStringLiteral(KESTRUM_SERVICE_BINARY),
        { "--db", dbPath, "--listen", "127.0.0.1:0", "--demo", "--demo-devices",
            QString::number(devices) });
    static const QRegularExpression listening("^listening on 127\\.0\\.0\\.1:(\\d+)$");
    while (server.waitForReadyRead(600000)) {
        while (server.canReadLine()) {
            const auto match = listening.match(QString::fromUtf8(server.readLine()).trimmed());
            if (match.hasMatch())
                return match.captured(1).toInt();
        }
    }
    return 0;
}

QString login(const QString &serviceUri)
{
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(serviceUri + QStringLiteral("/login")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply *reply = network.post(request,
        R"({"method":"login-password","data":{"login":"god@example.com","password":"demo-god-2026"}})");
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QString token = QJsonDocument::fromJson(reply->readAll())
                              .object()
                              .value(QLatin1String("result"))
                              .toObject()
                              .value(QLatin1String("t"))
                              .toString();
    reply->deleteLater();
    return token;
}

// One page of one side in the shared window; waits for frames that show a new device list.
class Side
{
public:
    Side(QQmlEngine &engine, QQuickWindow &window, const QUrl &page, const QString &serviceUri,
        const QString &token)
        : m_window(window)
    {
        QQmlComponent component(&engine, page);
        m_clock.start();
        m_page.reset(openPage(component, window,
            { { QStringLiteral("serviceUri"), serviceUri }, { QStringLiteral("token"), token } }));
        if (!m_page)
            return;
        m_connections = {
            QObject::connect(
                &window, &QQuickWindow::afterSynchronizing, &window,
                [this] {
                    if (m_awaited.load() && m_generationAtSync.load() < 0)
                        m_generationAtSync = m_awaitedGeneration.load();
                },
                Qt::DirectConnection),
            QObject::connect(
                &window, &QQuickWindow::frameSwapped, &window,
                [this] {
                    if (m_generationAtSync.load() >= 0 && m_swapNs.load() < 0)
                        m_swapNs = m_clock.nsecsElapsed();
                },
                Qt::DirectConnection),
        };
    }

    ~Side()
    {
        for (const auto &connection : m_connections)
            QObject::disconnect(connection);
        closePage(m_page);
    }
    Side(const Side &) = delete;
    Side &operator=(const Side &) = delete;

    bool valid() const { return !!m_page; }
    QQuickItem *page() const { return m_page.get(); }

    // Milliseconds from `since` (this side's clock) to the frame after the list's generation
    // passed `previous`; negative when that did not happen in time.
    double awaitRows(int previous, qint64 since)
    {
        m_swapNs = -1;
        m_generationAtSync = -1;
        m_awaited = false;
        QElapsedTimer limit;
        limit.start();
        while (limit.elapsed() < waitLimitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            const int generation = m_page->property("rowsGeneration").toInt();
            if (generation > previous && m_page->property("rows").toInt() > 0 && !m_awaited) {
                m_awaitedGeneration = generation;
                m_awaited = true;
                m_window.update();
            }
            if (m_swapNs.load() >= 0)
                return (m_swapNs.load() - since) / 1e6;
        }
        return -1;
    }

    // Lets the page finish what its rows started, as an operator's next action would.
    static void settle()
    {
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < settleMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    qint64 now() const { return m_clock.nsecsElapsed(); }
    int generation() const { return m_page->property("rowsGeneration").toInt(); }

private:
    QQuickWindow &m_window;
    std::unique_ptr<QQuickItem> m_page;
    std::vector<QMetaObject::Connection> m_connections;
    QElapsedTimer m_clock;
    std::atomic<bool> m_awaited { false };
    std::atomic<int> m_awaitedGeneration { -1 };
    std::atomic<int> m_generationAtSync { -1 };
    std::atomic<qint64> m_swapNs { -1 };
};

struct Round
{
    double open = -1;
    double filter = -1;
};

Round measure(QQmlEngine &engine, QQuickWindow &window, const QUrl &page, const QString &uri,
    const QString &token)
{
    Round round;
    Side side(engine, window, page, uri, token);
    if (!side.valid())
        return round;
    round.open = side.awaitRows(0, 0);
    Side::settle();
    const int before = side.generation();
    const qint64 since = side.now();
    QMetaObject::invokeMethod(side.page(), "changeFilter", Q_ARG(QVariant, QVariant(true)));
    round.filter = side.awaitRows(before, since);
    Side::settle();
    return round;
}

struct Stall
{
    double wall = -1;
    double cpu = -1;
};

// The longest gap between ticks of a 1 ms timer while the screen loads nine more pages, in
// wall-clock time and in the GUI thread's processor time.
Stall longestStallWhilePaging(
    QQmlEngine &engine, QQuickWindow &window, const QString &uri, const QString &token)
{
    Stall stall;
    Side side(engine, window, QUrl(QStringLiteral("qrc:/bench/OursPage.qml")), uri, token);
    if (!side.valid() || side.awaitRows(0, 0) < 0)
        return stall;
    QElapsedTimer ticks;
    double lastCpu = threadCpuMs();
    double longest = 0;
    double longestCpu = 0;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const double cpu = threadCpuMs();
        longest = std::max(longest, ticks.nsecsElapsed() / 1e6);
        longestCpu = std::max(longestCpu, cpu - lastCpu);
        ticks.restart();
        lastCpu = cpu;
    });
    ticks.start();
    lastCpu = threadCpuMs();
    timer.start();
    for (int page = 1; page < 10; ++page) {
        const int before = side.generation();
        QMetaObject::invokeMethod(side.page(), "loadNextPage");
        if (side.awaitRows(before, side.now()) < 0)
            return stall;
    }
    std::printf("paged to %d rows\n", side.page()->property("rows").toInt());
    return { longest, longestCpu };
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    const int pairs = args.size() > 1 ? args.at(1).toInt() : 7;
    const int devices = args.size() > 2 ? args.at(2).toInt() : 100000;

    QTemporaryDir dir;
    QProcess server;
    QElapsedTimer seeding;
    seeding.start();
    const int port = startService(server, dir.filePath(QStringLiteral("bench.sqlite")), devices);
    if (port == 0) {
        std::fprintf(stderr, "the service did not start\n");
        return 1;
    }
    std::printf("seeded %d devices in %.1f s\n", devices, seeding.elapsed() / 1000.0);
    const QString uri = QStringLiteral("http://127.0.0.1:%1/QuillonService.svc").arg(port);
    const QString token = login(uri);
    if (token.isEmpty()) {
        std::fprintf(stderr, "login failed\n");
        return 1;
    }

    prepareConsoleQml();
    QQmlEngine engine;
    prepareConsoleEngine(engine);

    QQuickWindow window;
    showConsoleWindow(window);

    const QUrl ours(QStringLiteral("qrc:/bench/OursPage.qml"));
    const QUrl peer(QStringLiteral("qrc:/bench/PeerPage.qml"));
    // A warm-up of each side: the first use compiles and caches what later rounds reuse.
    measure(engine, window, ours, uri, token);
    measure(engine, window, peer, uri, token);
    std::vector<double> oursOpen, oursFilter, peerOpen, peerFilter, openRatios;
    for (int i = 0; i < pairs; ++i) {
        const bool oursFirst = i % 2 == 0;
        const Round first = measure(engine, window, oursFirst ? ours : peer, uri, token);
        const Round second = measure(engine, window, oursFirst ? peer : ours, uri, token);
        const Round &o = oursFirst ? first : second;
        const Round &p = oursFirst ? second : first;
        if (o.open < 0 || o.filter < 0 || p.open < 0 || p.filter < 0) {
            std::fprintf(stderr, "a round did not show its rows\n");
            return 1;
        }
        oursOpen.push_back(o.open);
        oursFilter.push_back(o.filter);
        peerOpen.push_back(p.open);
        peerFilter.push_back(p.filter);
        openRatios.push_back(o.open / p.open);
        std::printf("round %d: open %.1f vs %.1f ms (%.2f), filter %.1f vs %.1f ms\n", i + 1,
            o.open, p.open, o.open / p.open, o.filter, p.filter);
        std::fflush(stdout);
    }
    std::vector<double> stalls, cpuStalls;
    for (int i = 0; i < pairs; ++i) {
        const Stall stall = longestStallWhilePaging(engine, window, uri, token);
        if (stall.wall < 0) {
            std::fprintf(stderr, "paging did not show its rows\n");
            return 1;
        }
        std::printf("paging round %d: longest stall %.1f ms (GUI thread processor %.1f ms)\n",
            i + 1, stall.wall, stall.cpu);
        std::fflush(stdout);
        stalls.push_back(stall.wall);
        cpuStalls.push_back(stall.cpu);
    }
    server.terminate();
    server.waitForFinished(10000);

    const double openRatio = median(oursOpen) / median(peerOpen);
    const double filterRatio = median(oursFilter) / median(peerFilter);
    std::printf("open to first 100 rows: ours %.1f ms, peer %.1f ms (medians of %d)\n",
        median(oursOpen), median(peerOpen), pairs);
    std::printf("filter change to new rows: ours %.1f ms, peer %.1f ms\n", median(oursFilter),
        median(peerFilter));
    std::printf("longest GUI-thread stall while 10 pages arrive: median %.1f ms, worst %.1f ms\n",
        median(stalls), *std::max_element(stalls.begin(), stalls.end()));
    std::printf("  in GUI-thread processor time: median %.1f ms, worst %.1f ms\n",
        median(cpuStalls), *std::max_element(cpuStalls.begin(), cpuStalls.end()));
    std::printf("open ratio: %.2f\n", openRatio);
    const double openRatioMedian = median(openRatios);
    std::printf("open ratio spread (slowest round / median): %.2f\n",
        *std::max_element(openRatios.begin(), openRatios.end()) / openRatioMedian);
    std::printf("filter ratio: %.2f\n", filterRatio);
    std::printf("ratio: %.2f\n", std::max(openRatio, filterRatio));
    return 0;
}
