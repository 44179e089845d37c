#include "ServiceDispatcher.h"

#include "AccessPolicy.h"
#include "AuditTrail.h"
#include "Database.h"
#include "JsonText.h"
#include "ServiceError.h"
#include "SessionStore.h"

#include <QDebug>
#include <QJsonDocument>
#include <QSqlQuery>

namespace service {

ServiceDispatcher::ServiceDispatcher(Database &database, SessionStore &sessions)
    : m_database(database)
    , m_sessions(sessions)
{ }

void ServiceDispatcher::addMethod(const QString &name, Access access, Handler handler)
{
    m_methods.insert(name, { access, std::move(handler) });
}

QByteArray ServiceDispatcher::answer(int status, const QJsonValue &result, const QString &message)
{
    QJsonObject reply { { QStringLiteral("status"), status },
        { QStringLiteral("result"), result } };
    if (!message.isEmpty())
        reply.insert(QStringLiteral("message"), message);
    return QJsonDocument(reply).toJson(QJsonDocument::Compact);
}

std::optional<Caller> ServiceDispatcher::resolveCaller(const QJsonObject &body) const
{
    const QJsonValue token = body.value(QLatin1String("sessionToken"));
    if (!token.isString())
        return std::nullopt;
    const auto session = m_sessions.use(token.toString());
    if (!session)
        return std::nullopt;
    // The user may have been archived or disabled since the session began.
    QSqlQuery query = m_database.prepare(QStringLiteral(
        "SELECT customer_id, role FROM users WHERE id = ? AND archived = 0 AND disabled = 0"));
    query.addBindValue(session->userId);
    Database::exec(query);
    if (!query.next())
        return std::nullopt;
    Caller caller;
    caller.token = session->token;
    caller.userId = session->userId;
    caller.customerId = query.value(0).toLongLong();
    caller.roleSession = session->timeLimited;
    // A time-limited role session acts with the role it was issued for.
    caller.role = session->timeLimited ? session->role : query.value(1).toInt();
    query.finish();
    if (!session->parentHash.isEmpty())
        caller.actingUserId = m_sessions.userOfSession(session->parentHash).value_or(0);
    return caller;
}

HttpReply ServiceDispatcher::dispatch(
    const QString &methodName, const QByteArray &body, const QString &peerAddress) const
{
    const auto method = m_methods.constFind(methodName);
    if (method == m_methods.constEnd())
        return { 404,
            answer(int(StatusCode::InvalidArgument), QJsonValue::Null,
                QStringLiteral("unknown method")) };

    // The parser would store a replacement character instead: the text is not what was sent.
    if (JsonText::hasLoneSurrogate(body))
        return { 200,
            answer(int(StatusCode::InvalidArgument), QJsonValue::Null,
                QStringLiteral("text holds a lone UTF-16 surrogate")) };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return { 400,
            answer(int(StatusCode::InvalidArgument), QJsonValue::Null,
                QStringLiteral("body is not a JSON object")) };
    const QJsonObject request = document.object();

    std::optional<AuditRecord> record;
    try {
        Caller caller;
        if (method->access != Access::Anyone) {
            const auto resolved = resolveCaller(request);
            if (!resolved)
                return { 200,
                    answer(int(StatusCode::Unauthentificated), QJsonValue::Null,
                        QStringLiteral("unknown or expired session")) };
            caller = *resolved;
        }
        caller.peerAddress = peerAddress;
        if (m_audit && AuditTrail::records(methodName))
            record = m_audit->open(methodName, request,
                method->access == Access::Anyone ? nullptr : &caller, peerAddress);
        if (method->access == Access::Console && !AccessPolicy::isConsoleRole(caller.role))
            throw ServiceError::noRights(QStringLiteral("role has no console access"));
        AuditTrail::Scope scope(record ? &*record : nullptr);
        Database::CommitHook hook(record
                ? std::function<void()>([this, &record] { m_audit->appendInTransaction(*record); })
                : std::function<void()>());
        const QJsonValue result = method->handler(Call { request, caller });
        if (record && !hook.ran())
            m_audit->store(*record);
        return { 200, answer(int(StatusCode::Ok), result) };
    } catch (const ServiceError &error) {
        storeFailure(record, int(error.status()));
        return { 200,
            answer(int(error.status()), QJsonValue::Null, QString::fromUtf8(error.what())) };
    } catch (const std::exception &error) {
        qWarning() << "ServiceDispatcher::dispatch()" << methodName << error.what();
        storeFailure(record, int(StatusCode::Error));
        return { 200,
            answer(int(StatusCode::Error), QJsonValue::Null, QStringLiteral("internal error")) };
    }
}

void ServiceDispatcher::storeFailure(std::optional<AuditRecord> &record, int status) const
{
    if (!record)
        return;
    record->status = status;
    m_audit->store(*record);
}

} // namespace service
