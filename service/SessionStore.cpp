#include "SessionStore.h"

#include "Database.h"
#include "RandomTokens.h"
#include "WireDate.h"

#include <QSqlQuery>

namespace service {

SessionStore::SessionStore(Database &database, qint64 idleMs, qint64 lifetimeMs)
    : m_database(database)
    , m_idleMs(idleMs)
    , m_lifetimeMs(lifetimeMs)
{ }

Session SessionStore::create(qint64 userId, int role)
{
    Session session;
    session.userId = userId;
    session.role = role;
    return store(session);
}

Session SessionStore::createTimeLimited(
    qint64 userId, int role, qint64 validFromMs, qint64 validToMs)
{
    Session session;
    session.userId = userId;
    session.role = role;
    session.timeLimited = true;
    session.validFromMs = validFromMs;
    session.validToMs = validToMs;
    return store(session);
}

Session SessionStore::store(Session session)
{
    session.token = RandomTokens::sessionToken();
    session.createdMs = WireDate::nowMs();
    session.lastUsedMs = session.createdMs;
    m_database.write([&] {
        QSqlQuery insert = m_database.prepare(QStringLiteral(
            "INSERT INTO sessions (token, user_id, role, created_ms, last_used_ms, valid_from_ms, "
            "valid_to_ms, time_limited) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(session.token);
        insert.addBindValue(session.userId);
        insert.addBindValue(session.role);
        insert.addBindValue(session.createdMs);
        insert.addBindValue(session.lastUsedMs);
        insert.addBindValue(session.validFromMs);
        insert.addBindValue(session.validToMs);
        insert.addBindValue(session.timeLimited ? 1 : 0);
        Database::exec(insert);
        forgetExpired(session.createdMs);
    });
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cache.insert(session.token, { session, session.lastUsedMs });
    return session;
}

void SessionStore::forgetExpired(qint64 nowMs)
{
    // The stored last use may lag behind by a tenth of the idle time; keep a margin beyond it.
    QSqlQuery remove = m_database.prepare(QStringLiteral(
        "DELETE FROM sessions WHERE (time_limited = 0 AND (last_used_ms < ? OR created_ms < ?)) "
        "OR (time_limited = 1 AND valid_to_ms < ?)"));
    remove.addBindValue(nowMs - m_idleMs - m_idleMs / 5);
    remove.addBindValue(nowMs - m_lifetimeMs);
    remove.addBindValue(nowMs);
    Database::exec(remove);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_cache.begin(); it != m_cache.end();) {
        if (nowMs >= unusedExpiresAtMs(it->session))
            it = m_cache.erase(it);
        else
            ++it;
    }
}

std::optional<Session> SessionStore::use(const QString &token)
{
    if (token.isEmpty())
        return std::nullopt;
    const qint64 now = WireDate::nowMs();
    std::optional<Entry> entry;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_cache.constFind(token);
        if (it != m_cache.constEnd())
            entry = *it;
    }
    if (!entry) {
        const auto loaded = load(token);
        if (!loaded)
            return std::nullopt;
        entry = Entry { *loaded, loaded->lastUsedMs };
    }
    if (!entry->session.isValidAt(now, m_idleMs, m_lifetimeMs)) {
        if (now >= unusedExpiresAtMs(entry->session))
            erase(token);
        return std::nullopt;
    }
    entry->session.lastUsedMs = now;
    // Writing every use back would turn each read into a write; a tenth of the idle time is
    // precise enough for the expiry.
    const bool persist = now - entry->persistedLastUsedMs > m_idleMs / 10;
    if (persist)
        entry->persistedLastUsedMs = now;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cache.insert(token, *entry);
    }
    if (persist)
        persistLastUse(token, now);
    return entry->session;
}

std::optional<Session> SessionStore::load(const QString &token)
{
    QSqlQuery query = m_database.prepare(QStringLiteral(
        "SELECT user_id, role, created_ms, last_used_ms, valid_from_ms, valid_to_ms, time_limited "
        "FROM sessions WHERE token = ?"));
    query.addBindValue(token);
    Database::exec(query);
    if (!query.next())
        return std::nullopt;
    Session session;
    session.token = token;
    session.userId = query.value(0).toLongLong();
    session.role = query.value(1).toInt();
    session.createdMs = query.value(2).toLongLong();
    session.lastUsedMs = query.value(3).toLongLong();
    session.validFromMs = query.value(4).toLongLong();
    session.validToMs = query.value(5).toLongLong();
    session.timeLimited = query.value(6).toBool();
    return session;
}

void SessionStore::persistLastUse(const QString &token, qint64 lastUsedMs)
{
    m_database.write([&] {
        QSqlQuery update = m_database.prepare(
            QStringLiteral("UPDATE sessions SET last_used_ms = ? WHERE token = ?"));
        update.addBindValue(lastUsedMs);
        update.addBindValue(token);
        Database::exec(update);
    });
}

void SessionStore::end(const QString &token)
{
    erase(token);
}

void SessionStore::erase(const QString &token)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cache.remove(token);
    }
    m_database.write([&] {
        QSqlQuery remove
            = m_database.prepare(QStringLiteral("DELETE FROM sessions WHERE token = ?"));
        remove.addBindValue(token);
        Database::exec(remove);
    });
}

void SessionStore::endAllOfUser(qint64 userId)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_cache.begin(); it != m_cache.end();) {
            if (it->session.userId == userId)
                it = m_cache.erase(it);
            else
                ++it;
        }
    }
    QSqlQuery remove = m_database.prepare(QStringLiteral("DELETE FROM sessions WHERE user_id = ?"));
    remove.addBindValue(userId);
    Database::exec(remove);
}

} // namespace service
