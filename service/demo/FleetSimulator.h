#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

namespace service {

class Database;
class TaskProgress;

// Keeps the demo fleet alive: devices go online and offline, and open tickets move from
// pending to running to completed or failed, as real devices would report them.
class FleetSimulator : public QObject
{
    Q_OBJECT
public:
    FleetSimulator(
        Database &database, TaskProgress &progress, int intervalMs, QObject *parent = nullptr);

    void start();
    // The share of firmware updates that fail; other tickets keep their own share.
    void setFirmwareFailurePercent(int percent) { m_firmwareFailurePercent = percent; }
    // One step of the simulation; public so that a test can drive it without waiting.
    void step();

private:
    void flipOnlineStates(qint64 nowMs);
    QVector<qint64> startPendingTickets(qint64 nowMs);
    QVector<qint64> finishRunningTickets(qint64 nowMs);
    QVector<qint64> expireTickets(qint64 nowMs);

    Database &m_database;
    TaskProgress &m_progress;
    QTimer m_timer;
    QRandomGenerator m_random;
    int m_firmwareFailurePercent = 15;
};

} // namespace service
