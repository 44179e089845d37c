#include "LoginThrottle.h"

#include <algorithm>

namespace service {

namespace {
// A record with no failure for this long is forgotten.
constexpr qint64 memoryMs = 30 * 60 * 1000;
constexpr int prunedSize = 10000;
} // namespace

qint64 LoginThrottle::waitIn(const Records &records, const QString &key, qint64 nowMs)
{
    const auto it = records.constFind(key);
    return it == records.constEnd() ? 0 : std::max<qint64>(0, it->blockedUntilMs - nowMs);
}

qint64 LoginThrottle::waitMs(const QString &login, const QString &address, qint64 nowMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::max(waitIn(m_byNameAndAddress, nameKey(login, address), nowMs),
        waitIn(m_byAddress, address, nowMs));
}

void LoginThrottle::count(Records &records, const QString &key, int freeFailures, qint64 nowMs)
{
    Record &record = records[key];
    record.failures = std::min(record.failures + 1, 1000);
    record.lastFailureMs = nowMs;
    const int beyond = record.failures - freeFailures;
    if (beyond <= 0)
        return;
    const qint64 delay
        = beyond > 20 ? longestDelayMs : std::min(longestDelayMs, firstDelayMs << (beyond - 1));
    record.blockedUntilMs = nowMs + delay;
}

QString LoginThrottle::nameKey(const QString &login, const QString &address)
{
    // No address holds a line break, so the last one splits the key unambiguously.
    return login.toCaseFolded() + QLatin1Char('\n') + address;
}

void LoginThrottle::failed(const QString &login, const QString &address, qint64 nowMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    prune(nowMs);
    count(m_byNameAndAddress, nameKey(login, address), freeFailuresPerName, nowMs);
    count(m_byAddress, address, freeFailuresPerAddress, nowMs);
}

void LoginThrottle::succeeded(const QString &login, const QString &address)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_byNameAndAddress.remove(nameKey(login, address));
    m_byAddress.remove(address);
}

void LoginThrottle::prune(qint64 nowMs)
{
    const bool large = m_byNameAndAddress.size() + m_byAddress.size() > prunedSize;
    if (!large && nowMs - m_lastPruneMs < 60 * 1000)
        return;
    m_lastPruneMs = nowMs;
    for (Records *records : { &m_byNameAndAddress, &m_byAddress }) {
        for (auto it = records->begin(); it != records->end();) {
            const bool stale = nowMs - it->lastFailureMs > memoryMs;
            const bool harmless = it->blockedUntilMs <= nowMs && it->failures <= 1;
            if (stale || (large && harmless))
                it = records->erase(it);
            else
                ++it;
        }
    }
}

} // namespace service
