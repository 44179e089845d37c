#include "AuditLog.h"

#include "Database.h"
#include "SqlWhere.h"
#include "WireDate.h"

#include <QJsonObject>
#include <QSqlQuery>

namespace service {

namespace {
QString idsText(const QVector<qint64> &ids)
{
    QStringList texts;
    for (qint64 id : ids)
        texts.append(QString::number(id));
    return texts.join(QLatin1Char(','));
}

QJsonArray idsJson(const QString &text)
{
    QJsonArray ids;
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        ids.append(part.toLongLong());
    return ids;
}
} // namespace

AuditLog::AuditLog(Database &database)
    : m_database(database)
{ }

void AuditLog::append(const AuditRecord &record)
{
    QSqlQuery insert = m_database.prepare(QStringLiteral(
        "INSERT INTO audit_records (at_ms, actor_id, actor_customer_id, context_user_id, "
        "customer_id, method, action, entity_kind, entity_ids, entity_name, subject, filter, "
        "reached, status, client_address) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    insert.addBindValue(record.atMs);
    insert.addBindValue(record.actorId);
    insert.addBindValue(record.actorCustomerId);
    insert.addBindValue(record.contextUserId);
    insert.addBindValue(record.customerId);
    insert.addBindValue(Database::text(record.method));
    insert.addBindValue(Database::text(record.action));
    insert.addBindValue(Database::text(record.entityKind));
    insert.addBindValue(Database::text(idsText(record.entityIds)));
    insert.addBindValue(Database::text(record.entityName));
    insert.addBindValue(Database::text(record.subject));
    insert.addBindValue(Database::text(record.filter));
    insert.addBindValue(record.reached);
    insert.addBindValue(record.status);
    insert.addBindValue(Database::text(record.clientAddress));
    Database::exec(insert);
}

void AuditLog::removeOlderThan(qint64 msSinceEpoch)
{
    QSqlQuery remove
        = m_database.prepare(QStringLiteral("DELETE FROM audit_records WHERE at_ms < ?"));
    remove.addBindValue(msSinceEpoch);
    Database::exec(remove);
}

AuditLog::Page AuditLog::list(const Query &query) const
{
    SqlWhere where;
    if (!query.reach.isEverything())
        where.add(query.reach.sqlCondition(QStringLiteral("a.customer_id")) + QStringLiteral(" OR ")
            + query.reach.sqlCondition(QStringLiteral("a.actor_customer_id")));
    if (query.actorId)
        where.add(QStringLiteral("a.actor_id = ?"), { *query.actorId });
    if (!query.entityKind.isEmpty())
        where.add(QStringLiteral("a.entity_kind = ?"), { query.entityKind });
    if (!query.method.isEmpty())
        where.add(QStringLiteral("a.method = ?"), { query.method });
    if (query.outcome == QLatin1String("ok"))
        where.add(QStringLiteral("a.status = 0"));
    else if (query.outcome == QLatin1String("failed"))
        where.add(QStringLiteral("a.status <> 0"));
    if (query.fromMs)
        where.add(QStringLiteral("a.at_ms >= ?"), { *query.fromMs });
    if (query.toMs)
        where.add(QStringLiteral("a.at_ms < ?"), { *query.toMs });

    Database &database = m_database;
    Page page;
    QSqlQuery count
        = database.prepare(QStringLiteral("SELECT COUNT(*) FROM audit_records a") + where.clause());
    where.bind(count);
    Database::exec(count);
    if (count.next())
        page.total = count.value(0).toLongLong();
    count.finish();

    QSqlQuery rows = database.prepare(
        QStringLiteral(
            "SELECT a.id, a.at_ms, a.actor_id, COALESCE(actor.name, ''), a.context_user_id, "
            "COALESCE(context.name, ''), a.customer_id, a.method, a.action, a.entity_kind, "
            "a.entity_ids, a.entity_name, a.subject, a.filter, a.reached, a.status, "
            "a.client_address FROM audit_records a "
            "LEFT JOIN users actor ON actor.id = a.actor_id "
            "LEFT JOIN users context ON context.id = a.context_user_id")
        + where.clause() + QStringLiteral(" ORDER BY a.at_ms DESC, a.id DESC LIMIT ? OFFSET ?"));
    where.bind(rows);
    rows.addBindValue(query.take);
    rows.addBindValue(query.skip);
    Database::exec(rows);
    while (rows.next()) {
        QJsonObject item {
            { QStringLiteral("id"), rows.value(0).toLongLong() },
            { QStringLiteral("at"), WireDate::toJson(rows.value(1).toLongLong()) },
            { QStringLiteral("aId"), rows.value(2).toLongLong() },
            { QStringLiteral("aN"), rows.value(3).toString() },
            { QStringLiteral("cuId"), rows.value(4).toLongLong() },
            { QStringLiteral("cuN"), rows.value(5).toString() },
            { QStringLiteral("cId"), rows.value(6).toLongLong() },
            { QStringLiteral("m"), rows.value(7).toString() },
            { QStringLiteral("act"), rows.value(8).toString() },
            { QStringLiteral("k"), rows.value(9).toString() },
            { QStringLiteral("eIds"), idsJson(rows.value(10).toString()) },
            { QStringLiteral("eN"), rows.value(11).toString() },
            { QStringLiteral("sub"), rows.value(12).toString() },
            { QStringLiteral("f"), rows.value(13).toString() },
            { QStringLiteral("rc"), rows.value(14).toLongLong() },
            { QStringLiteral("s"), rows.value(15).toInt() },
            { QStringLiteral("ip"), rows.value(16).toString() },
        };
        page.items.append(item);
    }
    return page;
}

} // namespace service
