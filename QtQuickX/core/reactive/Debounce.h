#pragma once

#include <QObject>

// A coalescing one-shot timer: many schedule() calls, one timeout(). The `when` gate holds a
// pending run until it opens again.
class Debounce : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool scheduled READ scheduled WRITE setScheduled NOTIFY scheduledChanged)
    Q_PROPERTY(bool when READ when WRITE setWhen NOTIFY whenChanged)
    Q_PROPERTY(bool allowRecursiveSchedule READ allowRecursiveSchedule WRITE
            setAllowRecursiveSchedule NOTIFY allowRecursiveScheduleChanged)
public:
    explicit Debounce(QObject *parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int interval);
    bool scheduled() const { return m_scheduled; }
    void setScheduled(bool scheduled);
    bool when() const { return m_when; }
    void setWhen(bool when);
    bool allowRecursiveSchedule() const { return m_allowRecursiveSchedule; }
    void setAllowRecursiveSchedule(bool allow);

    // Requests a run without delaying one already pending.
    Q_INVOKABLE void schedule();
    // Requests a run `interval` ms from now, dropping the pending wait.
    Q_INVOKABLE void reschedule();
    Q_INVOKABLE void abort();
    Q_INVOKABLE void runIfScheduled();
    Q_INVOKABLE void runNow();

signals:
    void timeout();
    void scheduledChanged();
    void whenChanged();
    void allowRecursiveScheduleChanged();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    bool schedulingRefused() const;
    void startTimer();
    void stopTimer();
    void run();

    int m_interval = 0;
    int m_timerId = 0;
    int m_runDepth = 0;
    bool m_scheduled = false;
    bool m_when = true;
    bool m_allowRecursiveSchedule = true;
};
