#include "UsersHandler.h"

#include "AccessPolicy.h"
#include "AuditTrail.h"
#include "Database.h"
#include "FieldSelection.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "LocationTree.h"
#include "ServiceError.h"
#include "SessionStore.h"
#include "SqlWhere.h"

#include <QJsonArray>
#include <QSqlQuery>

namespace service {

namespace {
constexpr int maxNameLength = 200;
} // namespace

UsersHandler::UsersHandler(ServiceContext context)
    : m_context(context)
    , m_users(context.database, context.policy)
{ }

void UsersHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(
        QStringLiteral("listUsers"), Access::Console, this, &UsersHandler::listUsers);
    dispatcher.addMethod(QStringLiteral("addUser"), Access::Console, this, &UsersHandler::addUser);
    dispatcher.addMethod(
        QStringLiteral("updateUser"), Access::Console, this, &UsersHandler::updateUser);
    dispatcher.addMethod(QStringLiteral("listRolesAllowedToCreate"), Access::Console, this,
        &UsersHandler::listRolesAllowedToCreate);
}

QString UsersHandler::validName(const QJsonObject &user)
{
    const QString name = JsonArgs::requiredString(user, "n").trimmed();
    if (name.isEmpty() || name.size() > maxNameLength)
        throw ServiceError::invalid(QStringLiteral("user name must hold 1 to 200 characters"));
    return name;
}

QJsonValue UsersHandler::listUsers(const Call &call)
{
    const QJsonObject filter
        = JsonArgs::optionalObject(call.body, "filter").value_or(QJsonObject());
    const FieldSelection what = FieldSelection::fromRequest(call.body);
    const bool servants = JsonArgs::optionalBool(filter, "includeServants").value_or(true);
    const LocationReach reach = m_context.policy.scopedReach(
        call.caller, JsonArgs::optionalId(filter, "customerId"), servants);

    SqlWhere where;
    where.add(reach.sqlCondition(QStringLiteral("customer_id")));
    // Technicians see only themselves: enough for the console to show their name.
    if (!AccessPolicy::isManagerRole(call.caller.role))
        where.add(QStringLiteral("id = ?"), { call.caller.userId });
    if (const auto ids = JsonArgs::optionalIdList(filter, "ids"))
        where.add(QStringLiteral("id IN ") + SqlList::numbers(*ids));
    if (const auto name = JsonArgs::optionalString(filter, "name"); name && !name->isEmpty())
        where.add(QStringLiteral("name LIKE ? ESCAPE '\\'"), { SqlList::containsPattern(*name) });
    if (const auto roles = JsonArgs::optionalIdList(filter, "roles"); roles && !roles->isEmpty())
        where.add(QStringLiteral("role IN ") + SqlList::numbers(*roles));
    if (const auto disabled = JsonArgs::optionalBool(filter, "disabled"))
        where.add(QStringLiteral("disabled = ?"), { *disabled ? 1 : 0 });
    if (const auto archived = JsonArgs::optionalBool(filter, "archived"))
        where.add(QStringLiteral("archived = ?"), { *archived ? 1 : 0 });

    QSqlQuery query = m_context.database.prepare(
        UserRecord::selectColumns() + where.clause() + QStringLiteral(" ORDER BY id"));
    where.bind(query);
    Database::exec(query);
    QVector<UserRecord> users;
    while (query.next())
        users.append(UserRecord::fromRow(query));
    QJsonObject logins;
    if (what.wants(QStringLiteral("l"))) {
        QVector<qint64> ids;
        for (const UserRecord &user : users)
            ids.append(user.id);
        logins = loginsOf(ids);
    }
    QJsonArray items;
    for (const UserRecord &user : users) {
        QJsonObject item = user.toJson();
        item.insert(QStringLiteral("l"), logins.value(QString::number(user.id)).toArray());
        items.append(what.project(item));
    }
    return ListResult::items(items);
}

QJsonObject UsersHandler::loginsOf(const QVector<qint64> &userIds)
{
    QJsonObject byUser;
    if (userIds.isEmpty())
        return byUser;
    QSqlQuery query = m_context.database.prepare(
        QStringLiteral("SELECT id, user_id, method, login FROM logins WHERE user_id IN ")
        + SqlList::numbers(userIds) + QStringLiteral(" ORDER BY id"));
    Database::exec(query);
    while (query.next()) {
        const QString key = QString::number(query.value(1).toLongLong());
        QJsonArray list = byUser.value(key).toArray();
        list.append(UserDirectory::loginJson(query.value(0).toLongLong(),
            query.value(1).toLongLong(), query.value(2).toString(), query.value(3).toString()));
        byUser.insert(key, list);
    }
    return byUser;
}

QJsonValue UsersHandler::addUser(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::AddUser);
    const QJsonObject user = JsonArgs::requiredObject(call.body, "user");
    const QString name = validName(user);
    const qint64 customerId = JsonArgs::requiredId(user, "cId");
    const auto role = JsonArgs::optionalInt(user, "r");
    if (!role || !isValidRole(*role))
        throw ServiceError::invalid(QStringLiteral("\"r\" must be a role"));
    if (!AccessPolicy::mayGrantRole(call.caller.role, *role))
        throw ServiceError::noRights(QStringLiteral("may not create this role"));
    m_context.policy.requireLocationArgument(call.caller, customerId);
    const bool disabled = JsonArgs::optionalBool(user, "d").value_or(false);

    const qint64 id = m_context.database.write([&] {
        QSqlQuery insert = m_context.database.prepare(
            QStringLiteral("INSERT INTO users (name, customer_id, role, built_in, disabled, "
                           "archived) VALUES (?, ?, ?, 0, ?, 0)"));
        insert.addBindValue(name);
        insert.addBindValue(customerId);
        insert.addBindValue(*role);
        insert.addBindValue(disabled ? 1 : 0);
        Database::exec(insert);
        const qint64 id = m_context.database.lastInsertId(insert);
        AuditTrail::noteEntity(id);
        return id;
    });
    return m_users.find(id)->toJson();
}

QJsonValue UsersHandler::updateUser(const Call &call)
{
    const QJsonObject changes = JsonArgs::requiredObject(call.body, "user");
    const qint64 id = JsonArgs::requiredId(changes, "id");
    AccessPolicy::require(call.caller, AccessPolicy::Right::EditUser);
    // Read, check and write in one transaction, so that concurrent partial updates all land.
    m_context.database.write([&] {
        UserRecord user = m_users.requireManageable(call.caller, id);
        const UserRecord before = user;

        if (changes.contains(QLatin1String("n")))
            user.name = validName(changes);
        if (const auto customerId = JsonArgs::optionalId(changes, "cId");
            customerId && *customerId != user.customerId) {
            m_context.policy.requireLocationArgument(call.caller, *customerId);
            user.customerId = *customerId;
        }
        if (const auto role = JsonArgs::optionalInt(changes, "r"); role && *role != user.role) {
            if (!isValidRole(*role))
                throw ServiceError::invalid(QStringLiteral("\"r\" must be a role"));
            if (!AccessPolicy::mayGrantRole(call.caller.role, *role))
                throw ServiceError::noRights(QStringLiteral("may not grant this role"));
            user.role = *role;
        }
        user.disabled = JsonArgs::optionalBool(changes, "d").value_or(user.disabled);
        user.archived = JsonArgs::optionalBool(changes, "a").value_or(user.archived);

        const bool lockedOut
            = (user.disabled && !before.disabled) || (user.archived && !before.archived);
        if (before.builtIn && (lockedOut || user.role != before.role))
            throw ServiceError::noRights(
                QStringLiteral("built-in users keep their role and access"));
        if (user.id == call.caller.userId && (lockedOut || user.role != before.role))
            throw ServiceError::invalid(
                QStringLiteral("users cannot lock out or demote themselves"));
        // As with logins: a peer could otherwise lock out (or let back in) one of his rank.
        const bool accessChanged
            = user.disabled != before.disabled || user.archived != before.archived;
        if (user.archived != before.archived)
            AccessPolicy::require(call.caller, AccessPolicy::Right::ArchiveUser);
        if (user.disabled != before.disabled)
            AccessPolicy::require(call.caller, AccessPolicy::Right::DisableUser);
        if (accessChanged && user.id != call.caller.userId
            && !AccessPolicy::outranks(call.caller.role, before.role))
            throw ServiceError::noRights(
                QStringLiteral("only a higher role archives or disables this user"));

        QSqlQuery update = m_context.database.prepare(
            QStringLiteral("UPDATE users SET name = ?, customer_id = ?, role = ?, disabled = ?, "
                           "archived = ? WHERE id = ?"));
        update.addBindValue(user.name);
        update.addBindValue(user.customerId);
        update.addBindValue(user.role);
        update.addBindValue(user.disabled ? 1 : 0);
        update.addBindValue(user.archived ? 1 : 0);
        update.addBindValue(user.id);
        Database::exec(update);
        if (lockedOut || user.role != before.role)
            m_context.sessions.endAllOfUser(user.id);
    });
    return m_users.find(id)->toJson();
}

QJsonValue UsersHandler::listRolesAllowedToCreate(const Call &call)
{
    m_context.policy.requireManager(call.caller);
    QJsonArray roles;
    const QVector<int> allowed = AccessPolicy::rolesAllowedToCreate(call.caller.role);
    for (int role : allowed)
        roles.append(role);
    return roles;
}

} // namespace service
