// Linked into both sides of the start-up benchmark: reports the steady-clock time of the first
// frame a Qt Quick window swaps. When KESTRUM_BENCH_AWAIT_ITEM names an item, it also reports
// the first frame drawn while that item is visible and ends the process then; otherwise it ends
// the process after the first frame.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>

namespace {

std::atomic_bool firstFrameReported { false };
std::atomic_bool awaitedItemSynced { false };
std::atomic_bool awaitedItemReported { false };
QString awaitedItemName;

void report(const char *label)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%s %lld\n", label,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}

void quit()
{
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool visibleItemNamed(QQuickItem *item, const QString &name)
{
    if (!item->isVisible())
        return false;
    if (item->objectName() == name)
        return true;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        if (visibleItemNamed(child, name))
            return true;
    }
    return false;
}

void onFrameSwapped()
{
    if (!firstFrameReported.exchange(true)) {
        report("FIRST-FRAME-NS");
        if (awaitedItemName.isEmpty())
            quit();
    }
    if (awaitedItemSynced && !awaitedItemReported.exchange(true)) {
        report("AWAITED-ITEM-FRAME-NS");
        quit();
    }
}

void watchWindow(QQuickWindow *window)
{
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window, &onFrameSwapped, Qt::DirectConnection);
    if (awaitedItemName.isEmpty())
        return;
    // The items are read while the scene is synchronised, when the GUI thread is blocked.
    QObject::connect(
        window, &QQuickWindow::beforeSynchronizing, window,
        [window] {
            if (!awaitedItemSynced && visibleItemNamed(window->contentItem(), awaitedItemName))
                awaitedItemSynced = true;
        },
        Qt::DirectConnection);
}

void watchWindows()
{
    awaitedItemName = qEnvironmentVariable("KESTRUM_BENCH_AWAIT_ITEM");
    auto *timer = new QTimer(qApp);
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer] {
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (auto *quick = qobject_cast<QQuickWindow *>(window)) {
                watchWindow(quick);
                timer->stop();
            }
        }
    });
    timer->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchWindows)
