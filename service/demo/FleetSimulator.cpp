#include "FleetSimulator.h"

#include "Database.h"
#include "ListResult.h"
#include "Protocol.h"
#include "ServiceError.h"
#include "TaskProgress.h"
#include "WireDate.h"

#include <QDebug>
#include <QSqlQuery>

namespace service {

namespace {
constexpr qint64 runningTimeMs = 8000;
constexpr int ticketsPerStep = 12;
constexpr int otherFailurePercent = 15;

QVector<qint64> collectIds(QSqlQuery &query, int column = 0)
{
    QVector<qint64> ids;
    while (query.next())
        ids.append(query.value(column).toLongLong());
    return ids;
}
} // namespace

FleetSimulator::FleetSimulator(
    Database &database, TaskProgress &progress, int intervalMs, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_progress(progress)
    , m_random(QRandomGenerator::securelySeeded())
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &FleetSimulator::step);
}

void FleetSimulator::start()
{
    m_timer.start();
}

void FleetSimulator::step()
{
    const qint64 now = WireDate::nowMs();
    try {
        m_database.write([&] {
            flipOnlineStates(now);
            QVector<qint64> tasks = startPendingTickets(now);
            tasks += finishRunningTickets(now);
            tasks += expireTickets(now);
            std::sort(tasks.begin(), tasks.end());
            tasks.erase(std::unique(tasks.begin(), tasks.end()), tasks.end());
            m_progress.refresh(tasks);
        });
    } catch (const ServiceError &error) {
        qWarning() << "FleetSimulator::step()" << error.what();
    }
}

void FleetSimulator::flipOnlineStates(qint64 nowMs)
{
    QSqlQuery range
        = m_database.prepare(QStringLiteral("SELECT min(id), max(id), count(*) FROM devices"));
    Database::exec(range);
    if (!range.next() || range.value(2).toLongLong() == 0)
        return;
    const qint64 first = range.value(0).toLongLong();
    const qint64 span = range.value(1).toLongLong() - first + 1;
    const int flips = int(std::max<qint64>(1, range.value(2).toLongLong() / 100));
    QVector<qint64> ids;
    for (int i = 0; i < flips; ++i)
        ids.append(first + qint64(m_random.generate64() % quint64(span)));
    m_database.run(
        QStringLiteral(
            "UPDATE devices SET is_online = 1 - is_online, last_online_ms = %1 WHERE id IN ")
            .arg(nowMs)
        + SqlList::numbers(ids));
}

QVector<qint64> FleetSimulator::startPendingTickets(qint64 nowMs)
{
    QSqlQuery pick = m_database.prepare(QStringLiteral(
        "SELECT k.id, k.task_id FROM tickets k JOIN tasks t ON t.id = k.task_id JOIN devices d ON "
        "d.id = k.device_id "
        "WHERE k.status = 0 AND d.is_online = 1 AND t.valid_from_ms <= ? AND t.valid_to_ms > ? "
        "ORDER BY random() LIMIT %1")
                                            .arg(ticketsPerStep));
    pick.addBindValue(nowMs);
    pick.addBindValue(nowMs);
    Database::exec(pick);
    QVector<qint64> tickets, tasks;
    while (pick.next()) {
        tickets.append(pick.value(0).toLongLong());
        tasks.append(pick.value(1).toLongLong());
    }
    if (!tickets.isEmpty())
        m_database.run(
            QStringLiteral("UPDATE tickets SET status = 1, started_ms = %1 WHERE id IN ").arg(nowMs)
            + SqlList::numbers(tickets));
    return tasks;
}

QVector<qint64> FleetSimulator::finishRunningTickets(qint64 nowMs)
{
    QSqlQuery pick = m_database.prepare(QStringLiteral(
        "SELECT k.id, k.task_id, t.type FROM tickets k JOIN tasks t ON t.id = k.task_id "
        "WHERE k.status = 1 AND k.started_ms <= ? LIMIT 200"));
    pick.addBindValue(nowMs - runningTimeMs);
    Database::exec(pick);
    QVector<qint64> completed, failed, tasks;
    while (pick.next()) {
        const int failurePercent = pick.value(2).toInt() == int(TaskType::FirmwareUpdate)
            ? m_firmwareFailurePercent
            : otherFailurePercent;
        (int(m_random.bounded(100)) < failurePercent ? failed : completed)
            .append(pick.value(0).toLongLong());
        tasks.append(pick.value(1).toLongLong());
    }
    const auto finish = [&](const QVector<qint64> &ids, int status, const QString &result) {
        if (ids.isEmpty())
            return;
        QSqlQuery update = m_database.prepare(
            QStringLiteral(
                "UPDATE tickets SET status = ?, executed_ms = ?, result = ? WHERE id IN ")
            + SqlList::numbers(ids));
        update.addBindValue(status);
        update.addBindValue(nowMs);
        update.addBindValue(result);
        Database::exec(update);
    };
    finish(completed, 2, QStringLiteral("{\"code\":0,\"message\":\"done\"}"));
    finish(failed, 4, QStringLiteral("{\"code\":17,\"message\":\"device busy\"}"));
    return tasks;
}

QVector<qint64> FleetSimulator::expireTickets(qint64 nowMs)
{
    // Tickets still waiting when their task's window has closed will never run.
    QSqlQuery pick = m_database.prepare(
        QStringLiteral("SELECT DISTINCT k.task_id FROM tickets k JOIN tasks t ON t.id = k.task_id "
                       "WHERE k.status = 0 AND t.valid_to_ms <= ?"));
    pick.addBindValue(nowMs);
    Database::exec(pick);
    const QVector<qint64> tasks = collectIds(pick);
    if (!tasks.isEmpty()) {
        QSqlQuery update = m_database.prepare(
            QStringLiteral("UPDATE tickets SET status = 4, executed_ms = ?, "
                           "result = '{\"code\":408,\"message\":\"validity window ended\"}' "
                           "WHERE status = 0 AND task_id IN ")
            + SqlList::numbers(tasks));
        update.addBindValue(nowMs);
        Database::exec(update);
    }
    return tasks;
}

} // namespace service
