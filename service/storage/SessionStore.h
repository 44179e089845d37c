#pragma once

#include "Session.h"

#include <QHash>
#include <QVector>
#include <functional>
#include <mutex>
#include <optional>

namespace service {

class Database;

// Sessions kept in the database and cached in memory, so that checking a token costs no
// query; the last-use time is written back only now and then, not on every call. Only a hash
// of each token is kept, so that a copy of the database grants no session.
class SessionStore
{
public:
    SessionStore(Database &database, qint64 idleMs, qint64 lifetimeMs);

    // A new session; parentToken names the session it was derived from (a user context).
    Session create(qint64 userId, int role, const QString &parentToken = {});
    Session createTimeLimited(qint64 userId, int role, qint64 validFromMs, qint64 validToMs);
    // The live session for a token, its use recorded; nullopt for an unknown or expired one.
    std::optional<Session> use(const QString &token);
    // Ends the session and every session derived from it.
    void end(const QString &token);
    // Ends every session of the user but the one whose token is kept. Runs inside the caller's
    // write transaction.
    void endAllOfUser(qint64 userId, const QString &keptToken = {});

    qint64 unusedExpiresAtMs(const Session &session) const
    {
        return session.unusedExpiresAtMs(m_idleMs, m_lifetimeMs);
    }

    static QString hashOf(const QString &token);
    // The user of a stored session, by its hash (a user context's parent, for the audit trail).
    std::optional<qint64> userOfSession(const QString &tokenHash);
    // Runs with the removal of expired sessions, inside the same write transaction.
    void setCleanup(std::function<void(qint64 nowMs)> cleanup) { m_cleanup = std::move(cleanup); }

private:
    struct Entry
    {
        Session session;
        qint64 persistedLastUsedMs = 0;
    };

    Session store(Session session);
    std::optional<Session> load(const QString &tokenHash);
    void persistLastUse(const QString &tokenHash, qint64 lastUsedMs);
    void erase(const QString &tokenHash);
    void forget(const QVector<QString> &tokenHashes);
    // Drops sessions that can no longer be used; runs inside the write of a new session.
    void forgetExpired(qint64 nowMs);

    Database &m_database;
    qint64 m_idleMs;
    qint64 m_lifetimeMs;
    std::mutex m_mutex;
    QHash<QString, Entry> m_cache;
    std::function<void(qint64)> m_cleanup;
};

} // namespace service
