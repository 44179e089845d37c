#include "TasksHandler.h"

#include "AccessPolicy.h"
#include "AnswerBudget.h"
#include "AuditTrail.h"
#include "Database.h"
#include "DeviceFilter.h"
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
#include <QRegularExpression>
#include <QSqlQuery>

namespace service {

namespace {
constexpr qint64 dayMs = 24LL * 3600 * 1000;
constexpr int maxDataLength = 256 * 1024;

const QString selectTasks = QStringLiteral(
    "SELECT t.id, t.valid_from_ms, t.valid_to_ms, t.type, t.status, t.data, t.dispersion, "
    "(SELECT count(*) FROM tickets k WHERE k.task_id = t.id AND k.status = 2), "
    "(SELECT count(*) FROM tickets k WHERE k.task_id = t.id AND k.status = 4), "
    "(SELECT count(*) FROM tickets k WHERE k.task_id = t.id AND k.status IN (0, 1)), "
    "t.created_user_id, t.created_ms FROM tasks t");

QJsonObject taskFromRow(const QSqlQuery &row)
{
    return QJsonObject {
        { QStringLiteral("id"), row.value(0).toLongLong() },
        { QStringLiteral("vf"), WireDate::toJson(row.value(1).toLongLong()) },
        { QStringLiteral("vt"), WireDate::toJson(row.value(2).toLongLong()) },
        { QStringLiteral("t"), row.value(3).toInt() },
        { QStringLiteral("s"), row.value(4).toInt() },
        { QStringLiteral("d"), row.value(5).toString() },
        { QStringLiteral("dsp"), row.value(6).toString() },
        { QStringLiteral("sc"), row.value(7).toInt() },
        { QStringLiteral("fc"), row.value(8).toInt() },
        { QStringLiteral("pc"), row.value(9).toInt() },
        { QStringLiteral("cuid"), row.value(10).toLongLong() },
        { QStringLiteral("ca"), WireDate::toJson(row.value(11).toLongLong()) },
    };
}
} // namespace

TasksHandler::TasksHandler(ServiceContext context)
    : m_context(context)
{ }

void TasksHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(
        QStringLiteral("listTasks"), Access::Console, this, &TasksHandler::listTasks);
    dispatcher.addMethod(QStringLiteral("addTask"), Access::Console, this, &TasksHandler::addTask);
    dispatcher.addMethod(
        QStringLiteral("cancelTask"), Access::Console, this, &TasksHandler::cancelTask);
    dispatcher.addMethod(
        QStringLiteral("restartTask"), Access::Console, this, &TasksHandler::restartTask);
}

QString TasksHandler::orderClause(const QJsonObject &body)
{
    static const QHash<QString, QString> columns {
        { QStringLiteral("id"), QStringLiteral("t.id") },
        { QStringLiteral("ca"), QStringLiteral("t.created_ms") },
        { QStringLiteral("s"), QStringLiteral("t.status") },
        { QStringLiteral("t"), QStringLiteral("t.type") },
        { QStringLiteral("vf"), QStringLiteral("t.valid_from_ms") },
        { QStringLiteral("vt"), QStringLiteral("t.valid_to_ms") },
    };
    const auto order = JsonArgs::optionalStringList(body, "orderBy");
    QStringList terms;
    for (const QString &entry : order.value_or(QStringList())) {
        // "-,id" sorts descending, "+,id" or "id" ascending.
        QString key = entry.trimmed();
        bool descending = false;
        if (key.startsWith(QLatin1String("-,")) || key.startsWith(QLatin1String("+,"))) {
            descending = key.startsWith(QLatin1Char('-'));
            key = key.mid(2).trimmed();
        }
        if (!columns.contains(key))
            throw ServiceError::invalid(QStringLiteral("cannot order by \"%1\"").arg(key));
        terms.append(columns.value(key) + (descending ? QStringLiteral(" DESC") : QString()));
    }
    terms.append(QStringLiteral("t.id"));
    return QStringLiteral(" ORDER BY ") + terms.join(QLatin1String(", "));
}

QJsonValue TasksHandler::listTasks(const Call &call)
{
    const QJsonObject filter
        = JsonArgs::optionalObject(call.body, "filter").value_or(QJsonObject());
    const FieldSelection what = FieldSelection::fromRequest(call.body);
    const Paging paging = Paging::fromRequest(call.body, Paging::unpagedTake);
    SqlWhere where = HistoryFilter::where(m_context.policy, call.caller, filter,
        { QStringLiteral("t.id"), QStringLiteral("t.status"), QStringLiteral("t.closed_ms") });
    if (const auto types = JsonArgs::optionalIdList(filter, "types"); types && !types->isEmpty())
        where.add(QStringLiteral("t.type IN ") + SqlList::numbers(*types));

    QString sql = selectTasks + where.clause() + orderClause(call.body);
    if (paging.limited())
        sql += QStringLiteral(" LIMIT %1 OFFSET %2").arg(paging.take()).arg(paging.skip());
    QSqlQuery query = m_context.database.prepare(sql);
    where.bind(query);
    Database::exec(query);
    QJsonArray items;
    AnswerBudget budget;
    while (query.next() && budget.fits(query.value(5).toString().size()))
        items.append(what.project(taskFromRow(query)));
    QJsonObject result = ListResult::items(items);
    if (paging.calcTotal()) {
        QSqlQuery count = m_context.database.prepare(
            QStringLiteral("SELECT count(*) FROM tasks t") + where.clause());
        where.bind(count);
        Database::exec(count);
        paging.addTo(result, count.next() ? count.value(0).toLongLong() : 0);
    } else {
        paging.addTo(result, 0);
    }
    return result;
}

QJsonValue TasksHandler::addTask(const Call &call)
{
    const QJsonObject task = JsonArgs::requiredObject(call.body, "task");
    const auto type = JsonArgs::optionalInt(task, "t");
    if (!type || *type < int(TaskType::SoftwareUpdate)
        || *type > int(TaskType::DisablePowerManagement))
        throw ServiceError::invalid(QStringLiteral("\"t\" must be a task type"));
    const QString data = JsonArgs::optionalString(task, "d").value_or(QString());
    if (data.size() > maxDataLength)
        throw ServiceError::invalid(QStringLiteral("task data too long"));
    const QString dispersion
        = JsonArgs::optionalString(task, "dsp").value_or(QStringLiteral("00:00:10"));
    static const QRegularExpression span(QStringLiteral("^\\d{1,2}:[0-5]\\d:[0-5]\\d$"));
    if (!span.match(dispersion).hasMatch())
        throw ServiceError::invalid(QStringLiteral("\"dsp\" must be a time span hh:mm:ss"));
    const qint64 now = WireDate::nowMs();
    const qint64 validFrom = WireDate::parse(task.value(QLatin1String("vf")), "vf").value_or(now);
    const qint64 validTo
        = WireDate::parse(task.value(QLatin1String("vt")), "vt").value_or(validFrom + dayMs);
    if (validTo <= validFrom)
        throw ServiceError::invalid(QStringLiteral("\"vt\" must follow \"vf\""));
    // A task without a target filter would address the whole fleet by accident.
    const auto filterJson = JsonArgs::optionalObject(call.body, "devicesFilter");
    if (!filterJson)
        throw ServiceError::invalid(QStringLiteral("\"devicesFilter\" is required"));
    const DeviceFilter filter = DeviceFilter::fromJson(filterJson);
    const SqlWhere where
        = filter.where(m_context.policy.reach(call.caller, filter.includeServants()));

    const qint64 id = m_context.database.write([&] {
        QSqlQuery insert = m_context.database.prepare(
            QStringLiteral("INSERT INTO tasks (type, status, data, dispersion, valid_from_ms, "
                           "valid_to_ms, created_ms, "
                           "created_user_id, customer_id) VALUES (?, 0, ?, ?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(*type);
        insert.addBindValue(Database::text(data));
        insert.addBindValue(dispersion);
        insert.addBindValue(validFrom);
        insert.addBindValue(validTo);
        insert.addBindValue(now);
        insert.addBindValue(call.caller.userId);
        insert.addBindValue(call.caller.customerId);
        Database::exec(insert);
        const qint64 taskId = m_context.database.lastInsertId(insert);
        QSqlQuery tickets
            = m_context.database.prepare(QStringLiteral("INSERT INTO tickets (task_id, device_id, "
                                                        "status) SELECT %1, d.id, 0 FROM devices d")
                                             .arg(taskId)
                + where.clause() + QStringLiteral(" ORDER BY d.id"));
        where.bind(tickets);
        Database::exec(tickets);
        if (tickets.numRowsAffected() <= 0)
            throw ServiceError::notFound(QStringLiteral("the filter finds no device"));
        AuditTrail::noteEntity(taskId);
        AuditTrail::noteReached(tickets.numRowsAffected());
        return taskId;
    });
    return load(id);
}

QJsonObject TasksHandler::load(qint64 id)
{
    QSqlQuery query = m_context.database.prepare(selectTasks + QStringLiteral(" WHERE t.id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    if (!query.next())
        throw ServiceError::notFound(QStringLiteral("no such task"));
    return taskFromRow(query);
}

qint64 TasksHandler::requireTaskInReach(const Caller &caller, qint64 id)
{
    QSqlQuery query
        = m_context.database.prepare(QStringLiteral("SELECT customer_id FROM tasks WHERE id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    if (!query.next())
        throw ServiceError::notFound(QStringLiteral("no such task"));
    m_context.policy.requireInReach(caller, query.value(0).toLongLong(), QStringLiteral("task"));
    return id;
}

QJsonValue TasksHandler::moveTickets(
    const Call &call, AccessPolicy::Right right, const QString &fromStatuses, int status)
{
    AccessPolicy::require(call.caller, right);
    const qint64 id = requireTaskInReach(call.caller, JsonArgs::requiredId(call.body, "taskId"));
    m_context.database.write([&] {
        m_context.progress.moveTickets(
            QStringLiteral("k.task_id = %1").arg(id), fromStatuses, status, { id });
    });
    return load(id);
}

QJsonValue TasksHandler::cancelTask(const Call &call)
{
    return moveTickets(
        call, AccessPolicy::Right::CancelTask, QStringLiteral("(0, 1)"), int(TaskStatus::Canceled));
}

QJsonValue TasksHandler::restartTask(const Call &call)
{
    // Every ticket that did not complete runs again.
    return moveTickets(call, AccessPolicy::Right::RestartTask, QStringLiteral("(1, 3, 4)"),
        int(TaskStatus::Pending));
}

} // namespace service
