#include "LoginsHandler.h"

#include "AccessPolicy.h"
#include "Database.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "PasswordHasher.h"
#include "ServiceError.h"
#include "SessionStore.h"

#include <QJsonArray>
#include <QSqlQuery>

namespace service {

namespace {
const QString passwordMethod = QStringLiteral("login-password");
constexpr int minPasswordLength = 8;
constexpr int maxLoginLength = 254;
} // namespace

LoginsHandler::LoginsHandler(ServiceContext context)
    : m_context(context)
    , m_users(context.database, context.policy)
{ }

void LoginsHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(
        QStringLiteral("addLogin"), Access::Console, this, &LoginsHandler::addLogin);
    dispatcher.addMethod(
        QStringLiteral("listLogins"), Access::Console, this, &LoginsHandler::listLogins);
}

void LoginsHandler::requireAccessTo(const Caller &caller, qint64 userId)
{
    AccessPolicy::requireOwnSession(caller);
    if (userId == caller.userId)
        return;
    AccessPolicy::require(caller, AccessPolicy::Right::ManageLogins);
    // A peer could otherwise set a password and sign in as the other.
    const UserRecord user = m_users.requireManageable(caller, userId);
    if (!AccessPolicy::outranks(caller.role, user.role))
        throw ServiceError::noRights(QStringLiteral("only a higher role manages these logins"));
    if (user.builtIn)
        throw ServiceError::noRights(QStringLiteral("built-in accounts have no password logins"));
}

void LoginsHandler::requireAcceptablePassword(const QString &password, const QString &login)
{
    if (password.size() < minPasswordLength)
        throw ServiceError::invalid(QStringLiteral("password needs at least 8 characters"));
    if (password.trimmed().isEmpty())
        throw ServiceError::invalid(QStringLiteral("password must not be blank"));
    if (password.trimmed().compare(login, Qt::CaseInsensitive) == 0)
        throw ServiceError::invalid(QStringLiteral("password must differ from the login name"));
}

QJsonValue LoginsHandler::addLogin(const Call &call)
{
    const QJsonObject login = JsonArgs::requiredObject(call.body, "login");
    const qint64 userId = JsonArgs::requiredId(login, "userId");
    const QString method = JsonArgs::optionalString(login, "method").value_or(passwordMethod);
    if (method != passwordMethod)
        throw ServiceError::invalid(QStringLiteral("only login-password logins are supported"));
    const QJsonObject data = JsonArgs::requiredObject(login, "data");
    const QString name = JsonArgs::requiredString(data, "login").trimmed();
    const QString password = JsonArgs::requiredString(data, "password");
    if (name.isEmpty() || name.size() > maxLoginLength)
        throw ServiceError::invalid(QStringLiteral("login name must hold 1 to 254 characters"));
    requireAcceptablePassword(password, name);
    requireAccessTo(call.caller, userId);

    // Hashing is slow on purpose; do it before taking the write gate.
    const PasswordHasher::Hash hash = PasswordHasher::hash(password);
    const qint64 id = m_context.database.write([&] {
        QSqlQuery owner = m_context.database.prepare(
            QStringLiteral("SELECT user_id FROM logins WHERE login = ?"));
        owner.addBindValue(name);
        Database::exec(owner);
        if (owner.next() && owner.value(0).toLongLong() != userId)
            throw ServiceError(StatusCode::AlreadyExists, QStringLiteral("login name is taken"));
        // A user has one password: a new login replaces the old ones, so old passwords stop
        // working.
        QSqlQuery remove = m_context.database.prepare(
            QStringLiteral("DELETE FROM logins WHERE user_id = ? AND method = ?"));
        remove.addBindValue(userId);
        remove.addBindValue(passwordMethod);
        Database::exec(remove);
        QSqlQuery insert = m_context.database.prepare(
            QStringLiteral("INSERT INTO logins (user_id, method, login, salt, hash, iterations) "
                           "VALUES (?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(userId);
        insert.addBindValue(passwordMethod);
        insert.addBindValue(name);
        insert.addBindValue(hash.salt);
        insert.addBindValue(hash.key);
        insert.addBindValue(hash.iterations);
        Database::exec(insert);
        const qint64 loginId = m_context.database.lastInsertId(insert);
        // Whoever knew the old password is signed out; the caller keeps the session he uses.
        m_context.sessions.endAllOfUser(userId, call.caller.token);
        return loginId;
    });
    return UserDirectory::loginJson(id, userId, passwordMethod, name);
}

QJsonValue LoginsHandler::listLogins(const Call &call)
{
    const QJsonObject filter
        = JsonArgs::optionalObject(call.body, "filter").value_or(QJsonObject());
    const qint64 userId = JsonArgs::optionalId(filter, "userId").value_or(call.caller.userId);
    requireAccessTo(call.caller, userId);
    const auto method = JsonArgs::optionalString(filter, "method");
    QSqlQuery query = m_context.database.prepare(
        QStringLiteral("SELECT id, method, login FROM logins WHERE user_id = ?")
        + (method ? QStringLiteral(" AND method = ?") : QString())
        + QStringLiteral(" ORDER BY id"));
    query.addBindValue(userId);
    if (method)
        query.addBindValue(*method);
    Database::exec(query);
    QJsonArray items;
    while (query.next())
        items.append(UserDirectory::loginJson(query.value(0).toLongLong(), userId,
            query.value(1).toString(), query.value(2).toString()));
    return ListResult::items(items);
}

} // namespace service
