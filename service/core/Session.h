#pragma once

#include <QString>
#include <algorithm>

namespace service {

// A granted session. Ordinary sessions expire when unused for the idle time and at the end of
// their lifetime; time-limited role sessions are valid only inside their own window.
struct Session
{
    // The token itself is known only to the call that created the session; storage and cache
    // keep its hash.
    QString token;
    QString tokenHash;
    // The session from whose token a user-context session was granted; ends with it.
    QString parentHash;
    qint64 userId = 0;
    int role = 0;
    qint64 createdMs = 0;
    qint64 lastUsedMs = 0;
    qint64 validFromMs = 0;
    qint64 validToMs = 0;
    bool timeLimited = false;

    qint64 unusedExpiresAtMs(qint64 idleMs, qint64 lifetimeMs) const
    {
        if (timeLimited)
            return validToMs;
        return std::min(lastUsedMs + idleMs, createdMs + lifetimeMs);
    }
    bool isValidAt(qint64 nowMs, qint64 idleMs, qint64 lifetimeMs) const
    {
        if (timeLimited && nowMs < validFromMs)
            return false;
        return nowMs < unusedExpiresAtMs(idleMs, lifetimeMs);
    }
};

// Who is calling: the session's user with his role and location.
struct Caller
{
    QString token;
    qint64 userId = 0;
    // The signed-in user behind a user-context session (0 when the caller is that user).
    qint64 actingUserId = 0;
    int role = 0;
    qint64 customerId = 0;
    // A time-limited role session: acts with its role only, never on logins or sessions.
    bool roleSession = false;
    // The client's network address, for throttling failed logins.
    QString peerAddress;
};

} // namespace service
