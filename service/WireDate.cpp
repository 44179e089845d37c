#include "WireDate.h"

#include "ServiceError.h"

#include <QDateTime>
#include <QJsonObject>
#include <QRegularExpression>

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

std::optional<qint64> WireDate::parse(const QJsonValue &value, const char *key)
{
    const auto bad = [key] {
        return ServiceError::invalid(QStringLiteral("%1: not a date").arg(key));
    };
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (value.isDouble())
        return qint64(value.toDouble());
    if (value.isObject()) {
        static const QRegularExpression pattern(QStringLiteral("^/Date\\((-?\\d+)\\)/$"));
        const auto match
            = pattern.match(value.toObject().value(QLatin1String("DateTime")).toString());
        if (!match.hasMatch())
            throw bad();
        return match.captured(1).toLongLong();
    }
    if (!value.isString())
        throw bad();
    const QString text = value.toString().trimmed();
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text, Qt::ISODate);
    if (!parsed.isValid())
        throw bad();
    return parsed.toMSecsSinceEpoch();
}

} // namespace service
