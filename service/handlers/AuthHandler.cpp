#include "AuthHandler.h"

#include "AccessPolicy.h"
#include "Database.h"
#include "JsonArgs.h"
#include "PasswordHasher.h"
#include "ServiceError.h"
#include "SessionStore.h"
#include "WireDate.h"

#include <QSqlQuery>

namespace service {

namespace {
constexpr qint64 maxRoleSessionMs = 90LL * 24 * 3600 * 1000;

ServiceError refused()
{
    return ServiceError(StatusCode::Unauthentificated, QStringLiteral("login refused"));
}
} // namespace

AuthHandler::AuthHandler(ServiceContext context)
    : m_context(context)
{ }

void AuthHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(QStringLiteral("login"), Access::Anyone, this, &AuthHandler::login);
    dispatcher.addMethod(
        QStringLiteral("getSessionInfo"), Access::AnySession, this, &AuthHandler::sessionInfo);
    dispatcher.addMethod(QStringLiteral("logoff"), Access::AnySession, this, &AuthHandler::logoff);
    dispatcher.addMethod(QStringLiteral("createRoleSession"), Access::Console, this,
        &AuthHandler::createRoleSession);
}

QJsonObject AuthHandler::describe(const Session &session, bool withToken) const
{
    QJsonObject result {
        { QStringLiteral("ca"), WireDate::toIsoText(session.createdMs) },
        { QStringLiteral("uea"),
            WireDate::toIsoText(m_context.sessions.unusedExpiresAtMs(session)) },
        { QStringLiteral("r"), session.role },
        { QStringLiteral("uId"), session.userId },
    };
    if (withToken)
        result.insert(QStringLiteral("t"), session.token);
    return result;
}

QJsonValue AuthHandler::login(const Call &call)
{
    const QString method = JsonArgs::requiredString(call.body, "method");
    const QJsonObject data = JsonArgs::requiredObject(call.body, "data");
    if (method == QLatin1String("login-password"))
        return loginWithPassword(data, call.caller.peerAddress);
    if (method == QLatin1String("user-context"))
        return loginIntoUserContext(data);
    throw ServiceError::invalid(QStringLiteral("unknown login method"));
}

QJsonValue AuthHandler::loginWithPassword(const QJsonObject &data, const QString &peerAddress)
{
    const QString login = JsonArgs::optionalString(data, "login").value_or(QString()).trimmed();
    const QString password = JsonArgs::optionalString(data, "password").value_or(QString());
    if (const qint64 wait = m_throttle.waitMs(login, peerAddress, WireDate::nowMs()); wait > 0)
        throw ServiceError(StatusCode::Unauthentificated,
            QStringLiteral("too many failed logins, try again in %1 s").arg((wait + 999) / 1000));
    try {
        const QJsonValue granted = checkPassword(login, password);
        m_throttle.succeeded(login, peerAddress);
        return granted;
    } catch (const ServiceError &error) {
        if (error.status() == StatusCode::Unauthentificated)
            m_throttle.failed(login, peerAddress, WireDate::nowMs());
        throw;
    }
}

QJsonValue AuthHandler::checkPassword(const QString &login, const QString &password)
{
    QSqlQuery query = m_context.database.prepare(QStringLiteral(
        "SELECT l.salt, l.hash, l.iterations, u.id, u.role, u.built_in FROM logins l JOIN users u "
        "ON u.id = l.user_id "
        "WHERE l.login = ? AND l.method = 'login-password' AND u.archived = 0 AND u.disabled = 0"));
    query.addBindValue(login);
    Database::exec(query);
    if (!query.next()) {
        // Spend the same time as a real check, so that timing does not tell which logins exist.
        PasswordHasher::derive(
            password.toUtf8(), QByteArray(16, 'x'), PasswordHasher::defaultIterations);
        throw refused();
    }
    const PasswordHasher::Hash stored { query.value(0).toByteArray(), query.value(1).toByteArray(),
        query.value(2).toInt() };
    const qint64 userId = query.value(3).toLongLong();
    const int role = query.value(4).toInt();
    // Built-in service accounts sign in by other means; a password stored for one is void.
    const bool serviceAccount = query.value(5).toBool() && !AccessPolicy::isConsoleRole(role);
    // An open read would pin an old snapshot and make the session write fail.
    query.finish();
    if (!PasswordHasher::verify(password, stored) || serviceAccount)
        throw refused();
    return describe(m_context.sessions.create(userId, role), true);
}

QJsonValue AuthHandler::loginIntoUserContext(const QJsonObject &data)
{
    const QString ownToken = JsonArgs::optionalString(data, "sessionToken").value_or(QString());
    const auto own = m_context.sessions.use(ownToken);
    if (!own)
        throw refused();
    QSqlQuery self = m_context.database.prepare(QStringLiteral(
        "SELECT customer_id, role FROM users WHERE id = ? AND archived = 0 AND disabled = 0"));
    self.addBindValue(own->userId);
    Database::exec(self);
    if (!self.next())
        throw refused();
    Caller caller;
    caller.userId = own->userId;
    caller.customerId = self.value(0).toLongLong();
    caller.roleSession = own->timeLimited;
    caller.role = own->timeLimited ? own->role : self.value(1).toInt();
    self.finish();
    // A role session would otherwise turn into an ordinary session that outlives its window.
    AccessPolicy::requireOwnSession(caller);
    AccessPolicy::require(caller, AccessPolicy::Right::SwitchUserContext);

    const qint64 targetId = JsonArgs::requiredId(data, "userId");
    QSqlQuery target = m_context.database.prepare(
        QStringLiteral("SELECT customer_id, role, archived, disabled FROM users WHERE id = ?"));
    target.addBindValue(targetId);
    Database::exec(target);
    if (!target.next())
        throw ServiceError::notFound(QStringLiteral("no such user"));
    const qint64 targetCustomer = target.value(0).toLongLong();
    const int targetRole = target.value(1).toInt();
    const bool lockedOut = target.value(2).toBool() || target.value(3).toBool();
    target.finish();
    m_context.policy.requireInReach(caller, targetCustomer, QStringLiteral("user"));
    if (!AccessPolicy::outranksOrEquals(caller.role, targetRole))
        throw ServiceError::noRights(QStringLiteral("user outranks the caller"));
    if (lockedOut)
        throw ServiceError(
            StatusCode::WrongContext, QStringLiteral("user is archived or disabled"));
    // The context ends with the session it was granted to.
    return describe(m_context.sessions.create(targetId, targetRole, ownToken), true);
}

QJsonValue AuthHandler::sessionInfo(const Call &call)
{
    const auto session = m_context.sessions.use(call.caller.token);
    if (!session)
        throw refused();
    QJsonObject info = describe(*session, false);
    info.insert(QStringLiteral("r"), call.caller.role);
    return info;
}

QJsonValue AuthHandler::logoff(const Call &call)
{
    m_context.sessions.end(call.caller.token);
    return QJsonObject();
}

QJsonValue AuthHandler::createRoleSession(const Call &call)
{
    const Caller &caller = call.caller;
    // A role session minting another could stretch its own window without end.
    AccessPolicy::requireOwnSession(caller);
    AccessPolicy::require(caller, AccessPolicy::Right::CreateRoleSession);
    const auto role = JsonArgs::optionalInt(call.body, "role");
    if (role && !AccessPolicy::outranksOrEquals(caller.role, *role))
        throw ServiceError::noRights(QStringLiteral("role above the caller's"));
    if (!role || (*role != int(UserRole::Technician) && *role != int(UserRole::Administrator)))
        throw ServiceError::invalid(QStringLiteral("role must be Technician or Administrator"));
    const auto from = WireDate::parse(call.body.value(QLatin1String("validFrom")), "validFrom");
    const auto till = WireDate::parse(call.body.value(QLatin1String("validTo")), "validTo");
    if (!from || !till)
        throw ServiceError::invalid(QStringLiteral("validFrom and validTo are required"));
    if (*till <= *from || *till <= WireDate::nowMs() || *till - *from > maxRoleSessionMs)
        throw ServiceError::invalid(QStringLiteral("validity window is empty, past or too long"));
    const Session session
        = m_context.sessions.createTimeLimited(caller.userId, *role, *from, *till);
    return QJsonObject {
        { QStringLiteral("t"), session.token },
        { QStringLiteral("vf"), WireDate::toJson(session.validFromMs) },
        { QStringLiteral("vt"), WireDate::toJson(session.validToMs) },
        { QStringLiteral("r"), session.role },
    };
}

} // namespace service
