#pragma once

#include "AuditRecord.h"
#include "LocationReach.h"

#include <QJsonArray>
#include <optional>

namespace service {

class Database;

// The audit trail in the database: records are appended and, past their retention, removed;
// nothing else changes them.
class AuditLog
{
public:
    struct Query
    {
        LocationReach reach = LocationReach::everything();
        std::optional<qint64> actorId;
        QString entityKind;
        QString method;
        // "ok", "failed" or empty for both.
        QString outcome;
        std::optional<qint64> fromMs;
        std::optional<qint64> toMs;
        int skip = 0;
        int take = 100;
    };
    struct Page
    {
        QJsonArray items;
        qint64 total = 0;
    };

    explicit AuditLog(Database &database);

    // Runs inside the caller's write transaction.
    void append(const AuditRecord &record);
    // Runs inside the caller's write transaction.
    void removeOlderThan(qint64 msSinceEpoch);
    // Newest first, with the names of the actor and of the context user.
    Page list(const Query &query) const;

private:
    Database &m_database;
};

} // namespace service
