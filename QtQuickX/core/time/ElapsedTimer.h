#pragma once

#include <QElapsedTimer>
#include <QObject>

// Measures milliseconds since start() or restart() for scripts.
class ElapsedTimer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint64 elapsed READ elapsed)
public:
    using QObject::QObject;

    Q_INVOKABLE void start() { m_timer.start(); }
    Q_INVOKABLE void restart() { m_timer.restart(); }
    // -1 until the timer is started: an unstarted timer has no meaningful reading.
    qint64 elapsed() const;

private:
    QElapsedTimer m_timer;
};
