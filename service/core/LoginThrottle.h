#pragma once

#include <QHash>
#include <QString>
#include <mutex>

namespace service {

// Slows down password guessing: after a few failed logins for one login name from one client
// address, or from one address for any names, further attempts from there are refused unheard
// for a time that doubles with every failure (1 s up to 5 minutes). A success clears both.
// Refusing costs no password check, so a flood of guesses holds no worker for long. A name is
// never blocked as such: a flood from one address must not lock the rightful user out of
// every other address.
class LoginThrottle
{
public:
    static constexpr int freeFailuresPerName = 3;
    static constexpr int freeFailuresPerAddress = 10;
    static constexpr qint64 firstDelayMs = 1000;
    static constexpr qint64 longestDelayMs = 5 * 60 * 1000;

    // Milliseconds to wait before the next attempt may be checked; 0 when it may be now.
    qint64 waitMs(const QString &login, const QString &address, qint64 nowMs);
    void failed(const QString &login, const QString &address, qint64 nowMs);
    void succeeded(const QString &login, const QString &address);

private:
    struct Record
    {
        int failures = 0;
        qint64 blockedUntilMs = 0;
        qint64 lastFailureMs = 0;
    };
    using Records = QHash<QString, Record>;

    static qint64 waitIn(const Records &records, const QString &key, qint64 nowMs);
    static void count(Records &records, const QString &key, int freeFailures, qint64 nowMs);
    static QString nameKey(const QString &login, const QString &address);
    // Keeps the tables small when many names or addresses fail once and never again.
    void prune(qint64 nowMs);

    std::mutex m_mutex;
    Records m_byNameAndAddress;
    Records m_byAddress;
    qint64 m_lastPruneMs = 0;
};

} // namespace service
