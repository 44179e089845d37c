#include "SessionStore.h"

#include "Database.h"
#include "RandomTokens.h"
#include "WireDate.h"

#include <QCryptographicHash>
#include <QSqlQuery>

namespace service {

SessionStore::SessionStore(Database &database, qint64 idleMs, qint64 lifetimeMs)
    : m_database(database)
    , m_idleMs(idleMs)
    , m_lifetimeMs(lifetimeMs)
{ }

QString SessionStore::hashOf(const QString &token)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(token.toUtf8(), QCryptographicHash::Sha256).toHex());
}

Session SessionStore::create(qint64 userId, int role, const QString &parentToken)
{
    Session session;
    session.userId = userId;
    session.role = role;
    if (!parentToken.isEmpty())
        session.parentHash = hashOf(parentToken);
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
    session.tokenHash = hashOf(session.token);
    session.createdMs = WireDate::nowMs();
    session.lastUsedMs = session.createdMs;
    m_database.write([&] {
        QSqlQuery insert = m_database.prepare(QStringLiteral(
            "INSERT INTO sessions (token_hash, parent_hash, user_id, role, created_ms, "
            "last_used_ms, valid_from_ms, valid_to_ms, time_limited) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(session.tokenHash);
        insert.addBindValue(Database::text(session.parentHash));
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
    Session cached = session;
    cached.token.clear();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cache.insert(session.tokenHash, { cached, session.lastUsedMs });
    return session;
}

void SessionStore::forgetExpired(qint64 nowMs)
{
    // The stored last use may lag behind by a tenth of the idle time; keep a margin beyond it.
    // Each term has an index of its own, so the cost follows the expired rows, not the table.
    QSqlQuery remove = m_database.prepare(QStringLiteral(
        "DELETE FROM sessions WHERE (time_limited = 0 AND last_used_ms < ?) "
        "OR (time_limited = 0 AND created_ms < ?) OR (time_limited = 1 AND valid_to_ms < ?)"));
    remove.addBindValue(nowMs - m_idleMs - m_idleMs / 5);
    remove.addBindValue(nowMs - m_lifetimeMs);
    remove.addBindValue(nowMs);
    Database::exec(remove);
    if (m_cleanup)
        m_cleanup(nowMs);
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
    const QString tokenHash = hashOf(token);
    const qint64 now = WireDate::nowMs();
    std::optional<Entry> entry;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_cache.constFind(tokenHash);
        if (it != m_cache.constEnd())
            entry = *it;
    }
    if (!entry) {
        const auto loaded = load(tokenHash);
        if (!loaded)
            return std::nullopt;
        entry = Entry { *loaded, loaded->lastUsedMs };
    }
    if (!entry->session.isValidAt(now, m_idleMs, m_lifetimeMs)) {
        if (now >= unusedExpiresAtMs(entry->session))
            erase(tokenHash);
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
        // A session ended meanwhile by another call stays ended.
        if (!m_cache.contains(tokenHash) && !load(tokenHash))
            return std::nullopt;
        m_cache.insert(tokenHash, *entry);
    }
    if (persist)
        persistLastUse(tokenHash, now);
    Session session = entry->session;
    session.token = token;
    return session;
}

std::optional<qint64> SessionStore::userOfSession(const QString &tokenHash)
{
    const auto session = load(tokenHash);
    return session ? std::optional<qint64>(session->userId) : std::nullopt;
}

std::optional<Session> SessionStore::load(const QString &tokenHash)
{
    QSqlQuery query = m_database.prepare(QStringLiteral(
        "SELECT user_id, role, created_ms, last_used_ms, valid_from_ms, "
        "valid_to_ms, time_limited, parent_hash FROM sessions WHERE token_hash = ?"));
    query.addBindValue(tokenHash);
    Database::exec(query);
    if (!query.next())
        return std::nullopt;
    Session session;
    session.tokenHash = tokenHash;
    session.userId = query.value(0).toLongLong();
    session.role = query.value(1).toInt();
    session.createdMs = query.value(2).toLongLong();
    session.lastUsedMs = query.value(3).toLongLong();
    session.validFromMs = query.value(4).toLongLong();
    session.validToMs = query.value(5).toLongLong();
    session.timeLimited = query.value(6).toBool();
    session.parentHash = query.value(7).toString();
    return session;
}

void SessionStore::persistLastUse(const QString &tokenHash, qint64 lastUsedMs)
{
    m_database.write([&] {
        QSqlQuery update = m_database.prepare(
            QStringLiteral("UPDATE sessions SET last_used_ms = ? WHERE token_hash = ?"));
        update.addBindValue(lastUsedMs);
        update.addBindValue(tokenHash);
        Database::exec(update);
    });
}

void SessionStore::end(const QString &token)
{
    if (token.isEmpty())
        return;
    const QString root = hashOf(token);
    const QVector<QString> ended = m_database.write([&] {
        // UNION stops at a cycle, should one ever be stored.
        QSqlQuery derived = m_database.prepare(QStringLiteral(
            "WITH RECURSIVE tree(h) AS (SELECT ? UNION SELECT s.token_hash FROM sessions s "
            "JOIN tree ON s.parent_hash = tree.h) SELECT h FROM tree"));
        derived.addBindValue(root);
        Database::exec(derived);
        QVector<QString> hashes;
        while (derived.next())
            hashes.append(derived.value(0).toString());
        derived.finish();
        QSqlQuery remove
            = m_database.prepare(QStringLiteral("DELETE FROM sessions WHERE token_hash = ?"));
        for (const QString &hash : qAsConst(hashes)) {
            remove.addBindValue(hash);
            Database::exec(remove);
        }
        return hashes;
    });
    forget(ended);
}

void SessionStore::erase(const QString &tokenHash)
{
    forget({ tokenHash });
    m_database.write([&] {
        QSqlQuery remove
            = m_database.prepare(QStringLiteral("DELETE FROM sessions WHERE token_hash = ?"));
        remove.addBindValue(tokenHash);
        Database::exec(remove);
    });
}

void SessionStore::forget(const QVector<QString> &tokenHashes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const QString &hash : tokenHashes)
        m_cache.remove(hash);
}

void SessionStore::endAllOfUser(qint64 userId, const QString &keptToken)
{
    const QString kept = keptToken.isEmpty() ? QString() : hashOf(keptToken);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_cache.begin(); it != m_cache.end();) {
            if (it->session.userId == userId && it.key() != kept)
                it = m_cache.erase(it);
            else
                ++it;
        }
    }
    QSqlQuery remove = m_database.prepare(
        QStringLiteral("DELETE FROM sessions WHERE user_id = ? AND token_hash <> ?"));
    remove.addBindValue(userId);
    remove.addBindValue(Database::text(kept));
    Database::exec(remove);
}

} // namespace service
