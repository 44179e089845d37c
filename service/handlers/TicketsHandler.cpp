#include "TicketsHandler.h"

#include "AccessPolicy.h"
#include "AnswerBudget.h"
#include "Database.h"
#include "FieldSelection.h"
#include "HistoryFilter.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "Paging.h"
#include "ServiceError.h"
#include "SqlWhere.h"
#include "TaskProgress.h"
#include "WireDate.h"

#include <QJsonArray>
#include <QSet>
#include <QSqlQuery>

namespace service {

namespace {
const QString selectTickets
    = QStringLiteral("SELECT k.id, k.task_id, k.device_id, t.valid_from_ms, t.valid_to_ms, t.type, "
                     "k.status, t.data, "
                     "coalesce(d.name, ''), k.result, k.started_ms, k.executed_ms FROM tickets k "
                     "JOIN tasks t ON t.id = k.task_id LEFT JOIN devices d ON d.id = k.device_id");

QJsonObject ticketFromRow(const QSqlQuery &row)
{
    return QJsonObject {
        { QStringLiteral("id"), row.value(0).toLongLong() },
        { QStringLiteral("tid"), row.value(1).toLongLong() },
        { QStringLiteral("did"), row.value(2).toLongLong() },
        { QStringLiteral("vf"), WireDate::toJson(row.value(3).toLongLong()) },
        { QStringLiteral("vt"), WireDate::toJson(row.value(4).toLongLong()) },
        // The console keeps the ticket's type as text.
        { QStringLiteral("t"), QString::number(row.value(5).toInt()) },
        { QStringLiteral("s"), row.value(6).toInt() },
        { QStringLiteral("d"), row.value(7).toString() },
        { QStringLiteral("dn"), row.value(8).toString() },
        { QStringLiteral("r"), row.value(9).toString() },
        { QStringLiteral("sa"), WireDate::toJson(row.value(10).toLongLong()) },
        { QStringLiteral("ea"), WireDate::toJson(row.value(11).toLongLong()) },
    };
}
} // namespace

TicketsHandler::TicketsHandler(ServiceContext context)
    : m_context(context)
{ }

void TicketsHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(
        QStringLiteral("listTickets"), Access::Console, this, &TicketsHandler::listTickets);
    dispatcher.addMethod(
        QStringLiteral("cancelTickets"), Access::Console, this, &TicketsHandler::cancelTickets);
    dispatcher.addMethod(
        QStringLiteral("restartTickets"), Access::Console, this, &TicketsHandler::restartTickets);
}

QJsonArray TicketsHandler::select(const SqlWhere &where, const QString &tail)
{
    QSqlQuery query = m_context.database.prepare(selectTickets + where.clause() + tail);
    where.bind(query);
    Database::exec(query);
    QJsonArray tickets;
    AnswerBudget budget;
    while (query.next()
        && budget.fits(query.value(7).toString().size() + query.value(9).toString().size()))
        tickets.append(ticketFromRow(query));
    return tickets;
}

QJsonValue TicketsHandler::listTickets(const Call &call)
{
    const QJsonObject filter
        = JsonArgs::optionalObject(call.body, "filter").value_or(QJsonObject());
    const FieldSelection what = FieldSelection::fromRequest(call.body);
    const Paging paging = Paging::fromRequest(call.body, Paging::unpagedTake);
    SqlWhere where = HistoryFilter::where(m_context.policy, call.caller, filter,
        { QStringLiteral("k.id"), QStringLiteral("k.status"), QStringLiteral("k.executed_ms") });
    if (const auto taskId = JsonArgs::optionalId(filter, "taskId"); taskId && *taskId != 0)
        where.add(QStringLiteral("k.task_id = ?"), { *taskId });
    if (const auto deviceId = JsonArgs::optionalId(filter, "deviceId"); deviceId && *deviceId != 0)
        where.add(QStringLiteral("k.device_id = ?"), { *deviceId });

    QString tail = QStringLiteral(" ORDER BY k.id");
    if (paging.limited())
        tail += QStringLiteral(" LIMIT %1 OFFSET %2").arg(paging.take()).arg(paging.skip());
    QJsonArray items;
    const QJsonArray tickets = select(where, tail);
    for (const QJsonValue &ticket : tickets)
        items.append(what.project(ticket.toObject()));
    QJsonObject result = ListResult::items(items);
    qint64 total = 0;
    if (paging.calcTotal()) {
        QSqlQuery count = m_context.database.prepare(
            QStringLiteral("SELECT count(*) FROM tickets k JOIN tasks t ON t.id = k.task_id")
            + where.clause());
        where.bind(count);
        Database::exec(count);
        total = count.next() ? count.value(0).toLongLong() : 0;
    }
    paging.addTo(result, total);
    return result;
}

QJsonValue TicketsHandler::moveTickets(
    const Call &call, AccessPolicy::Right right, const QString &fromStatuses, int status)
{
    AccessPolicy::require(call.caller, right);
    const auto ids = JsonArgs::optionalIdList(call.body, "ticketIds", 10000);
    if (!ids || ids->isEmpty() || ids->size() > 10000)
        throw ServiceError::invalid(QStringLiteral("\"ticketIds\" must list 1 to 10000 tickets"));

    SqlWhere where;
    where.add(QStringLiteral("k.id IN ") + SqlList::numbers(*ids));
    QSqlQuery owners = m_context.database.prepare(
        QStringLiteral(
            "SELECT k.id, k.task_id, t.customer_id FROM tickets k JOIN tasks t ON t.id = k.task_id")
        + where.clause());
    Database::exec(owners);
    QSet<qint64> found;
    QVector<qint64> tasks;
    while (owners.next()) {
        found.insert(owners.value(0).toLongLong());
        if (!tasks.contains(owners.value(1).toLongLong()))
            tasks.append(owners.value(1).toLongLong());
        m_context.policy.requireInReach(
            call.caller, owners.value(2).toLongLong(), QStringLiteral("ticket"));
    }
    if (found.size() != QSet<qint64>(ids->cbegin(), ids->cend()).size())
        throw ServiceError::notFound(QStringLiteral("no such ticket"));

    m_context.database.write([&] {
        m_context.progress.moveTickets(
            QStringLiteral("k.id IN ") + SqlList::numbers(*ids), fromStatuses, status, tasks);
    });
    return select(where, QStringLiteral(" ORDER BY k.id"));
}

QJsonValue TicketsHandler::cancelTickets(const Call &call)
{
    return moveTickets(
        call, AccessPolicy::Right::CancelTask, QStringLiteral("(0, 1)"), int(TaskStatus::Canceled));
}

QJsonValue TicketsHandler::restartTickets(const Call &call)
{
    return moveTickets(call, AccessPolicy::Right::RestartTask, QStringLiteral("(1, 3, 4)"),
        int(TaskStatus::Pending));
}

} // namespace service
