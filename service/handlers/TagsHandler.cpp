#include "TagsHandler.h"

#include "AccessPolicy.h"
#include "AuditTrail.h"
#include "Database.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "LocationTree.h"
#include "ServiceError.h"

#include <QJsonArray>
#include <QSqlQuery>

namespace service {

TagsHandler::TagsHandler(ServiceContext context)
    : m_context(context)
{ }

void TagsHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(QStringLiteral("listTags"), Access::Console, this, &TagsHandler::listTags);
    dispatcher.addMethod(QStringLiteral("addTag"), Access::Console, this, &TagsHandler::addTag);
    dispatcher.addMethod(
        QStringLiteral("updateTag"), Access::Console, this, &TagsHandler::updateTag);
    dispatcher.addMethod(
        QStringLiteral("deleteTag"), Access::Console, this, &TagsHandler::deleteTag);
}

QString TagsHandler::visibleCondition(ServiceContext &context, const Caller &caller)
{
    const LocationReach reach = context.policy.reach(caller);
    if (reach.isEverything())
        return QStringLiteral("1");
    QVector<qint64> ids = reach.ids();
    ids += context.tree.ancestors(caller.customerId);
    return LocationReach::of(ids).sqlCondition(QStringLiteral("customer_id"));
}

void TagsHandler::requireVisible(
    ServiceContext &context, const Caller &caller, const QVector<qint64> &tagIds)
{
    if (tagIds.isEmpty())
        return;
    QSqlQuery query = context.database.prepare(
        QStringLiteral("SELECT count(*) FROM tags WHERE id IN ") + SqlList::numbers(tagIds)
        + QStringLiteral(" AND ") + visibleCondition(context, caller));
    Database::exec(query);
    QVector<qint64> distinct = tagIds;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    if (!query.next() || query.value(0).toInt() != distinct.size())
        throw ServiceError::invalid(QStringLiteral("unknown tag"));
}

QString TagsHandler::validName(const QJsonObject &tag)
{
    const QString name = JsonArgs::requiredString(tag, "n").trimmed();
    if (name.isEmpty() || name.size() > 200)
        throw ServiceError::invalid(QStringLiteral("tag name must hold 1 to 200 characters"));
    return name;
}

QJsonObject TagsHandler::load(qint64 id)
{
    QSqlQuery query = m_context.database.prepare(
        QStringLiteral("SELECT id, parent_id, name FROM tags WHERE id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    if (!query.next())
        throw ServiceError::notFound(QStringLiteral("no such tag"));
    return QJsonObject { { QStringLiteral("id"), query.value(0).toLongLong() },
        { QStringLiteral("pId"), query.value(1).toLongLong() },
        { QStringLiteral("n"), query.value(2).toString() } };
}

void TagsHandler::requireManageable(const Caller &caller, qint64 id)
{
    QSqlQuery query
        = m_context.database.prepare(QStringLiteral("SELECT customer_id FROM tags WHERE id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    if (!query.next())
        throw ServiceError::notFound(QStringLiteral("no such tag"));
    const qint64 owner = query.value(0).toLongLong();
    if (m_context.policy.reach(caller).contains(owner))
        return;
    // Tags of the locations above the caller's are listed to him: those exist for him, but
    // are not his to change. Any other tag does not exist for him.
    if (m_context.tree.ancestors(caller.customerId).contains(owner))
        throw ServiceError::noRights(QStringLiteral("tag belongs to a location above"));
    throw ServiceError::notFound(QStringLiteral("no such tag"));
}

QVector<QPair<qint64, qint64>> TagsHandler::subtreeOwners(qint64 id)
{
    QSqlQuery query = m_context.database.prepare(
        QStringLiteral("WITH RECURSIVE sub(id) AS (SELECT ? UNION SELECT t.id FROM tags t JOIN sub "
                       "ON t.parent_id = sub.id) "
                       "SELECT t.id, t.customer_id FROM tags t JOIN sub ON sub.id = t.id"));
    query.addBindValue(id);
    Database::exec(query);
    QVector<QPair<qint64, qint64>> tags;
    while (query.next())
        tags.append({ query.value(0).toLongLong(), query.value(1).toLongLong() });
    return tags;
}

QVector<qint64> TagsHandler::subtreeInReach(const Caller &caller, qint64 id)
{
    const LocationReach reach = m_context.policy.reach(caller);
    QVector<qint64> ids;
    for (const auto &[tag, owner] : subtreeOwners(id)) {
        if (!reach.contains(owner))
            throw ServiceError::noRights(
                QStringLiteral("a tag below this one belongs to a location out of reach"));
        ids.append(tag);
    }
    return ids;
}

QVector<qint64> TagsHandler::subtree(qint64 id)
{
    QVector<qint64> ids;
    for (const auto &tag : subtreeOwners(id))
        ids.append(tag.first);
    return ids;
}

QJsonValue TagsHandler::listTags(const Call &call)
{
    QSqlQuery query
        = m_context.database.prepare(QStringLiteral("SELECT id, parent_id, name FROM tags WHERE ")
            + visibleCondition(m_context, call.caller) + QStringLiteral(" ORDER BY id"));
    Database::exec(query);
    QJsonArray items;
    while (query.next()) {
        items.append(QJsonObject { { QStringLiteral("id"), query.value(0).toLongLong() },
            { QStringLiteral("pId"), query.value(1).toLongLong() },
            { QStringLiteral("n"), query.value(2).toString() } });
    }
    return ListResult::items(items);
}

QJsonValue TagsHandler::addTag(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::CreateTag);
    const QJsonObject tag = JsonArgs::requiredObject(call.body, "tag");
    const QString name = validName(tag);
    const qint64 parentId = JsonArgs::optionalId(tag, "pId").value_or(0);
    if (parentId != 0)
        requireVisible(m_context, call.caller, { parentId });
    const qint64 id = m_context.database.write([&] {
        QSqlQuery insert = m_context.database.prepare(
            QStringLiteral("INSERT INTO tags (parent_id, name, customer_id) VALUES (?, ?, ?)"));
        insert.addBindValue(parentId);
        insert.addBindValue(name);
        insert.addBindValue(call.caller.customerId);
        Database::exec(insert);
        const qint64 id = m_context.database.lastInsertId(insert);
        AuditTrail::noteEntity(id);
        return id;
    });
    return load(id);
}

QJsonValue TagsHandler::updateTag(const Call &call)
{
    const QJsonObject tag = JsonArgs::requiredObject(call.body, "tag");
    const qint64 id = JsonArgs::requiredId(tag, "id");
    AccessPolicy::require(call.caller, AccessPolicy::Right::EditTag);
    // Read, check and write in one transaction, so that concurrent partial updates all land.
    m_context.database.write([&] {
        requireManageable(call.caller, id);
        QJsonObject stored = load(id);
        const QString name = tag.contains(QLatin1String("n"))
            ? validName(tag)
            : stored.value(QLatin1String("n")).toString();
        qint64 parentId = qint64(stored.value(QLatin1String("pId")).toDouble());
        if (const auto parent = JsonArgs::optionalId(tag, "pId"); parent && *parent != parentId) {
            if (*parent != 0) {
                requireVisible(m_context, call.caller, { *parent });
                if (subtree(id).contains(*parent))
                    throw ServiceError::invalid(QStringLiteral("a tag cannot move below itself"));
            }
            parentId = *parent;
        }

        QSqlQuery update = m_context.database.prepare(
            QStringLiteral("UPDATE tags SET name = ?, parent_id = ? WHERE id = ?"));
        update.addBindValue(name);
        update.addBindValue(parentId);
        update.addBindValue(id);
        Database::exec(update);
    });
    return load(id);
}

QJsonValue TagsHandler::deleteTag(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::DeleteTag);
    const qint64 id = JsonArgs::requiredId(call.body, "id");
    // Child tags go with their parent, and so does every device's use of them: each of them
    // must be the caller's to delete.
    m_context.database.write([&] {
        requireManageable(call.caller, id);
        const QString ids = SqlList::numbers(subtreeInReach(call.caller, id));
        m_context.database.run(QStringLiteral("DELETE FROM device_tags WHERE tag_id IN ") + ids);
        m_context.database.run(QStringLiteral("DELETE FROM tags WHERE id IN ") + ids);
    });
    return QJsonObject { { QStringLiteral("id"), id } };
}

} // namespace service
