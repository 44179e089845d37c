#include "Debounce.h"

#include <QTimerEvent>

Debounce::Debounce(QObject *parent)
    : QObject(parent)
{ }

void Debounce::setInterval(int interval)
{
    // A running wait keeps the interval it started with.
    m_interval = interval;
}

void Debounce::setScheduled(bool scheduled)
{
    if (m_scheduled == scheduled || (scheduled && schedulingRefused()))
        return;
    m_scheduled = scheduled;
    if (scheduled)
        startTimer();
    else
        stopTimer();
    emit scheduledChanged();
}

void Debounce::setWhen(bool when)
{
    if (m_when == when)
        return;
    m_when = when;
    if (m_scheduled) {
        // Closing the gate keeps the run pending; opening it starts the wait over.
        if (when)
            startTimer();
        else
            stopTimer();
    }
    emit whenChanged();
}

void Debounce::setAllowRecursiveSchedule(bool allow)
{
    if (m_allowRecursiveSchedule == allow)
        return;
    m_allowRecursiveSchedule = allow;
    emit allowRecursiveScheduleChanged();
}

void Debounce::schedule()
{
    if (m_scheduled || schedulingRefused())
        return;
    m_scheduled = true;
    startTimer();
    emit scheduledChanged();
}

void Debounce::reschedule()
{
    if (m_scheduled) {
        m_scheduled = false;
        stopTimer();
        emit scheduledChanged();
    }
    schedule();
}

void Debounce::abort()
{
    setScheduled(false);
}

void Debounce::runIfScheduled()
{
    if (!m_timerId)
        return;
    stopTimer();
    if (m_when && m_scheduled)
        run();
}

void Debounce::runNow()
{
    stopTimer();
    run();
}

void Debounce::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId) {
        QObject::timerEvent(event);
        return;
    }
    stopTimer();
    if (m_when && m_scheduled)
        run();
}

bool Debounce::schedulingRefused() const
{
    return m_runDepth > 0 && !m_allowRecursiveSchedule;
}

void Debounce::startTimer()
{
    if (m_when && !m_timerId)
        m_timerId = QObject::startTimer(m_interval, Qt::CoarseTimer);
}

void Debounce::stopTimer()
{
    if (!m_timerId)
        return;
    killTimer(m_timerId);
    m_timerId = 0;
}

void Debounce::run()
{
    ++m_runDepth;
    m_scheduled = false;
    emit scheduledChanged();
    emit timeout();
    --m_runDepth;
}
