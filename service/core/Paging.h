#pragma once

#include <QJsonObject>

namespace service {

// The "paging" member {"skip", "take", "calcTotal"}; an answer page adds "skipped" and "total".
class Paging
{
public:
    static constexpr int maxTake = 1000;
    // Lists that the console may ask for without "paging" (tasks, tickets) answer at most this
    // many rows, so that no request can make the service read a whole table into one answer.
    static constexpr int unpagedTake = 1000;

    // defaultTake applies when the request has no "paging"; 0 means no limit.
    static Paging fromRequest(const QJsonObject &body, int defaultTake);

    int skip() const { return m_skip; }
    int take() const { return m_take; }
    bool limited() const { return m_take > 0; }
    bool calcTotal() const { return m_calcTotal; }

    void addTo(QJsonObject &result, qint64 total) const;

private:
    int m_skip = 0;
    int m_take = 0;
    bool m_calcTotal = false;
    bool m_requested = false;
};

} // namespace service
