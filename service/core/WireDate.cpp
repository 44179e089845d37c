#include "WireDate.h"

#include "ServiceError.h"

#include <QDateTime>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

namespace service {

QJsonValue WireDate::toJson(qint64 msSinceEpoch)
{
    if (msSinceEpoch <= 0)
        return QJsonValue::Null;
    return QJsonObject {
        { QStringLiteral("DateTime"), QStringLiteral("/Date(%1)/").arg(msSinceEpoch) },
        { QStringLiteral("OffsetMinutes"), 0 },
    };
}

QJsonValue WireDate::toIsoText(qint64 msSinceEpoch)
{
    if (msSinceEpoch <= 0)
        return QJsonValue::Null;
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, Qt::UTC).toString(Qt::ISODateWithMs);
}

qint64 WireDate::nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

namespace {
// Real dates only: 1900-01-01T00:00:00Z to 9999-12-31T23:59:59.999Z. Anything beyond is an
// attack or a mistake, and would overflow the arithmetic done on dates.
constexpr qint64 earliestMs = -2208988800000LL;
constexpr qint64 latestMs = 253402300799999LL;

std::optional<qint64> inRange(double ms)
{
    if (!std::isfinite(ms) || ms < double(earliestMs) || ms > double(latestMs))
        return std::nullopt;
    return qint64(ms);
}
} // namespace

std::optional<qint64> WireDate::parse(const QJsonValue &value, const char *key)
{
    const auto bad = [key] {
        return ServiceError::invalid(QStringLiteral("%1: not a date").arg(key));
    };
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    std::optional<qint64> ms;
    if (value.isDouble()) {
        ms = inRange(value.toDouble());
    } else if (value.isObject()) {
        static const QRegularExpression pattern(QStringLiteral("^/Date\\((-?\\d{1,16})\\)/$"));
        const auto match
            = pattern.match(value.toObject().value(QLatin1String("DateTime")).toString());
        if (match.hasMatch())
            ms = inRange(double(match.captured(1).toLongLong()));
    } else if (value.isString()) {
        const QString text = value.toString().trimmed();
        QDateTime parsed = QDateTime::fromString(text, Qt::ISODateWithMs);
        if (!parsed.isValid())
            parsed = QDateTime::fromString(text, Qt::ISODate);
        if (parsed.isValid())
            ms = inRange(double(parsed.toMSecsSinceEpoch()));
    }
    if (!ms)
        throw bad();
    return ms;
}

} // namespace service
