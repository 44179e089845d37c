#pragma once

#include "AuditRecord.h"

#include <QJsonObject>

namespace service {

class AuditLog;
class Database;
class SessionStore;
struct Caller;

// Turns calls into audit records: who acted (the user behind a user-context session too), what
// the call touched, and how it ended. A record of a write joins that write's transaction.
class AuditTrail
{
public:
    AuditTrail(Database &database, SessionStore &sessions, AuditLog &log);

    static bool records(const QString &method);
    // The record of a call about to run; caller is null for a call without a session.
    AuditRecord open(const QString &method, const QJsonObject &body, const Caller *caller,
        const QString &peerAddress);
    // Runs inside the write transaction of the call.
    void appendInTransaction(const AuditRecord &record);
    // In a write transaction of its own: calls that failed or wrote nothing. Never throws, so
    // that the call's own answer is kept.
    void store(const AuditRecord &record) noexcept;

    // The record of the call running on this thread, so that a handler can name what it created
    // or how many devices a fleet-wide write reached before its transaction commits.
    class Scope
    {
    public:
        explicit Scope(AuditRecord *record);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        AuditRecord *m_outer;
    };
    static void noteEntity(qint64 id);
    static void noteReached(qint64 devices);

private:
    // The user's location, 0 for an unknown user.
    qint64 customerOf(qint64 userId);
    void describeSignIn(const QJsonObject &body, AuditRecord &record);

    Database &m_database;
    SessionStore &m_sessions;
    AuditLog &m_log;
};

} // namespace service
