#include "UserDirectory.h"

#include "AccessPolicy.h"
#include "Database.h"
#include "ServiceError.h"

#include <QJsonArray>
#include <QSqlQuery>

namespace service {

QJsonObject UserRecord::toJson() const
{
    return QJsonObject {
        { QStringLiteral("id"), id },
        { QStringLiteral("n"), name },
        { QStringLiteral("cId"), customerId },
        { QStringLiteral("r"), role },
        { QStringLiteral("bIn"), builtIn },
        { QStringLiteral("d"), disabled },
        { QStringLiteral("a"), archived },
        { QStringLiteral("l"), QJsonArray() },
    };
}

QString UserRecord::selectColumns()
{
    return QStringLiteral(
        "SELECT id, name, customer_id, role, built_in, disabled, archived FROM users");
}

UserRecord UserRecord::fromRow(const QSqlQuery &row)
{
    UserRecord user;
    user.id = row.value(0).toLongLong();
    user.name = row.value(1).toString();
    user.customerId = row.value(2).toLongLong();
    user.role = row.value(3).toInt();
    user.builtIn = row.value(4).toBool();
    user.disabled = row.value(5).toBool();
    user.archived = row.value(6).toBool();
    return user;
}

QJsonObject UserDirectory::loginJson(
    qint64 id, qint64 userId, const QString &method, const QString &login)
{
    return QJsonObject {
        { QStringLiteral("id"), id },
        { QStringLiteral("userId"), userId },
        { QStringLiteral("method"), method },
        { QStringLiteral("data"), QJsonObject { { QStringLiteral("login"), login } } },
    };
}

UserDirectory::UserDirectory(Database &database, AccessPolicy &policy)
    : m_database(database)
    , m_policy(policy)
{ }

std::optional<UserRecord> UserDirectory::find(qint64 userId)
{
    QSqlQuery query
        = m_database.prepare(UserRecord::selectColumns() + QStringLiteral(" WHERE id = ?"));
    query.addBindValue(userId);
    Database::exec(query);
    if (!query.next())
        return std::nullopt;
    return UserRecord::fromRow(query);
}

UserRecord UserDirectory::requireManageable(const Caller &caller, qint64 userId)
{
    m_policy.requireManager(caller);
    const auto user = find(userId);
    if (!user)
        throw ServiceError::notFound(QStringLiteral("no such user"));
    m_policy.requireInReach(caller, user->customerId, QStringLiteral("user"));
    if (!AccessPolicy::outranksOrEquals(caller.role, user->role))
        throw ServiceError::noRights(QStringLiteral("user outranks the caller"));
    return *user;
}

} // namespace service
