#pragma once

#include "AuditRecord.h"
#include "Session.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <functional>
#include <optional>

namespace service {

class AuditTrail;
class Database;
class SessionStore;

// What a handler sees of one call.
struct Call
{
    const QJsonObject &body;
    const Caller &caller;
};

struct HttpReply
{
    int httpStatus = 200;
    QByteArray body;
};

// Turns "POST <base>/<method>" into a handler call: parses the body, resolves the session
// token to a caller, and wraps the handler's result or failure into {"status", "result"}.
class ServiceDispatcher
{
public:
    enum class Access {
        Anyone, // no token needed (password login)
        AnySession, // any valid session, whatever the role
        Console, // a valid session of a console role
    };
    using Handler = std::function<QJsonValue(const Call &)>;

    ServiceDispatcher(Database &database, SessionStore &sessions);

    void addMethod(const QString &name, Access access, Handler handler);
    template<typename Owner>
    void addMethod(
        const QString &name, Access access, Owner *owner, QJsonValue (Owner::*member)(const Call &))
    {
        addMethod(
            name, access, [owner, member](const Call &call) { return (owner->*member)(call); });
    }
    bool hasMethod(const QString &name) const { return m_methods.contains(name); }
    // peerAddress is the client's network address (for throttling failed logins).
    HttpReply dispatch(
        const QString &method, const QByteArray &body, const QString &peerAddress = {}) const;

    // Calls that change something, sign-ins and log-offs leave a record in this trail.
    void setAuditTrail(AuditTrail *trail) { m_audit = trail; }

    static QByteArray answer(int status, const QJsonValue &result, const QString &message = {});

private:
    struct Method
    {
        Access access;
        Handler handler;
    };

    std::optional<Caller> resolveCaller(const QJsonObject &body) const;
    void storeFailure(std::optional<AuditRecord> &record, int status) const;

    Database &m_database;
    SessionStore &m_sessions;
    QHash<QString, Method> m_methods;
    AuditTrail *m_audit = nullptr;
};

} // namespace service
