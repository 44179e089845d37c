#include "TimerSentinel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

void TimerSentinel::waitPast(int ms)
{
    QEventLoop loop;
    QTimer sentinel;
    sentinel.setTimerType(Qt::PreciseTimer);
    sentinel.setSingleShot(true);
    QObject::connect(&sentinel, &QTimer::timeout, &loop, &QEventLoop::quit);
    sentinel.start(ms);
    loop.exec();
    // As QTest::qWait does: objects deleted later during the wait are gone afterwards.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
