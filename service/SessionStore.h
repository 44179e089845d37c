#pragma once

#include "Session.h"

#include <QHash>
#include <mutex>
#include <optional>

namespace service {

class Database;

// Sessions kept in the database and cached in memory, so that checking a token costs no
// query; the last-use time is written back only now and then, not on every call.
class SessionStore
{
public:
    SessionStore(Database &database, qint64 idleMs, qint64 lifetimeMs);

    Session create(qint64 userId, int role);
    Session createTimeLimited(qint64 userId, int role, qint64 validFromMs, qint64 validToMs);
    // The live session for a token, its use recorded; nullopt for an unknown or expired one.
    std::optional<Session> use(const QString &token);
    void end(const QString &token);
    void endAllOfUser(qint64 userId);

    qint64 unusedExpiresAtMs(const Session &session) const
    {
        return session.unusedExpiresAtMs(m_idleMs, m_lifetimeMs);
    }

private:
    struct Entry
    {
        Session session;
        qint64 persistedLastUsedMs = 0;
    };

    Session store(Session session);
    std::optional<Session> load(const QString &token);
    void persistLastUse(const QString &token, qint64 lastUsedMs);
    void erase(const QString &token);
    // Drops sessions that can no longer be used; runs inside the write of a new session.
    void forgetExpired(qint64 nowMs);

    Database &m_database;
    qint64 m_idleMs;
    qint64 m_lifetimeMs;
    std::mutex m_mutex;
    QHash<QString, Entry> m_cache;
};

} // namespace service
