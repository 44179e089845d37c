// Linked into both sides of the start-up benchmark: reports the steady-clock time of the first
// frame a Qt Quick window swaps, then ends the process.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>

namespace {

std::atomic_bool reported { false };

void reportFirstFrame()
{
    if (reported.exchange(true))
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("FIRST-FRAME-NS %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void watchWindows()
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer] {
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (auto *quick = qobject_cast<QQuickWindow *>(window)) {
                QObject::connect(quick, &QQuickWindow::frameSwapped, quick, &reportFirstFrame,
                    Qt::DirectConnection);
                timer->stop();
            }
        }
    });
    timer->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchWindows)
