#include "TaskProgress.h"

#include "Database.h"
#include "ListResult.h"
#include "Protocol.h"
#include "WireDate.h"

#include <QSqlQuery>

namespace service {

TaskProgress::TaskProgress(Database &database)
    : m_database(database)
{ }

int TaskProgress::statusFor(int pending, int running, int completed, int canceled, int failed)
{
    const int finished = completed + canceled + failed;
    if (running > 0 || (pending > 0 && finished > 0))
        return int(TaskStatus::Running);
    if (pending > 0)
        return int(TaskStatus::Pending);
    if (canceled > 0)
        return int(TaskStatus::Canceled);
    if (failed > 0)
        return int(TaskStatus::Failed);
    return int(TaskStatus::Completed);
}

void TaskProgress::moveTickets(const QString &condition, const QString &fromStatuses, int status,
    const QVector<qint64> &taskIds)
{
    const bool restart = status == int(TaskStatus::Pending);
    QSqlQuery update
        = m_database.prepare(QStringLiteral(
            "UPDATE tickets AS k SET status = ?, executed_ms = ?, started_ms = %1, result = %2 "
            "WHERE (%3) AND k.status IN %4")
                                 .arg(restart ? QStringLiteral("0") : QStringLiteral("started_ms"),
                                     restart ? QStringLiteral("''") : QStringLiteral("result"),
                                     condition, fromStatuses));
    update.addBindValue(status);
    update.addBindValue(restart ? 0 : WireDate::nowMs());
    Database::exec(update);
    if (restart && !taskIds.isEmpty()) {
        // A restarted ticket needs an open window, or it would fail again at once.
        const qint64 now = WireDate::nowMs();
        m_database.run(
            QStringLiteral("UPDATE tasks SET valid_to_ms = %1 WHERE valid_to_ms <= %2 AND id IN ")
                .arg(now + 24LL * 3600 * 1000)
                .arg(now)
            + SqlList::numbers(taskIds));
    }
    refresh(taskIds);
}

void TaskProgress::refresh(const QVector<qint64> &taskIds)
{
    if (taskIds.isEmpty())
        return;
    QSqlQuery counts = m_database.prepare(
        QStringLiteral(
            "SELECT t.id, sum(k.status = 0), sum(k.status = 1), sum(k.status = 2), sum(k.status = "
            "3), "
            "sum(k.status = 4), t.closed_ms FROM tasks t LEFT JOIN tickets k ON k.task_id = t.id "
            "WHERE t.id IN ")
        + SqlList::numbers(taskIds) + QStringLiteral(" GROUP BY t.id"));
    Database::exec(counts);
    struct Update
    {
        qint64 id;
        int status;
        qint64 closedMs;
    };
    QVector<Update> updates;
    const qint64 now = WireDate::nowMs();
    while (counts.next()) {
        const int pending = counts.value(1).toInt();
        const int running = counts.value(2).toInt();
        const int status = statusFor(pending, running, counts.value(3).toInt(),
            counts.value(4).toInt(), counts.value(5).toInt());
        const bool open = pending + running > 0;
        const qint64 closed = counts.value(6).toLongLong();
        updates.append(
            { counts.value(0).toLongLong(), status, open ? 0 : (closed > 0 ? closed : now) });
    }
    QSqlQuery update = m_database.prepare(
        QStringLiteral("UPDATE tasks SET status = ?, closed_ms = ? WHERE id = ?"));
    for (const Update &u : qAsConst(updates)) {
        update.bindValue(0, u.status);
        update.bindValue(1, u.closedMs);
        update.bindValue(2, u.id);
        Database::exec(update);
    }
}

} // namespace service
