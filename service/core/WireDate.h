#pragma once

#include <QJsonValue>
#include <optional>

namespace service {

// Dates on the wire: answers carry {"DateTime": "/Date(ms)/", "OffsetMinutes": n}; requests
// may carry ISO 8601 text (with or without offset), that object form, or milliseconds.
class WireDate
{
public:
    static QJsonValue toJson(qint64 msSinceEpoch);
    // ISO 8601 text in UTC with milliseconds, for values the console assigns straight to a
    // date-time property (the login answer's "ca" and "uea").
    static QJsonValue toIsoText(qint64 msSinceEpoch);
    // nullopt for a missing or null value; throws InvalidArgument for anything unreadable.
    static std::optional<qint64> parse(const QJsonValue &value, const char *key);
    static qint64 nowMs();
};

} // namespace service
