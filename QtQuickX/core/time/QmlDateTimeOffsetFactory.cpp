#include "QmlDateTimeOffsetFactory.h"

#include <QTimeZone>

DateTimeOffset QmlDateTimeOffsetFactory::beginOfEpoch() const
{
    return DateTimeOffset(QDateTime::fromMSecsSinceEpoch(0));
}

DateTimeOffset QmlDateTimeOffsetFactory::now() const
{
    return DateTimeOffset(QDateTime::currentDateTime());
}

DateTimeOffset QmlDateTimeOffsetFactory::of(const QVariant &value) const
{
    const int type = value.userType();
    if (type >= QMetaType::User) {
        DateTimeOffset converted;
        if (DateTimeOffset::fromVariant(value, &converted))
            return converted;
        return DateTimeOffset::fromJsonObject(value);
    }
    switch (type) {
    // Wire dates of every list answer come this way: no converter from a map is registered,
    // so the converter registry is not asked.
    case QMetaType::QVariantMap:
    case QMetaType::QJsonObject:
    case QMetaType::QJsonValue:
        return DateTimeOffset::fromJsonObject(value);
    case QMetaType::QString:
        return DateTimeOffset::fromIsoString(value.toString());
    case QMetaType::QDate:
        return atLocalMidnight(value.toDate());
    case QMetaType::QDateTime:
        return DateTimeOffset(value.toDateTime());
    default:
        return DateTimeOffset();
    }
}

DateTimeOffset QmlDateTimeOffsetFactory::of(
    int year, int month, int day, int hour, int minute, int second, int millisecond) const
{
    return DateTimeOffset(
        QDateTime(QDate(year, month, day), QTime(hour, minute, second, millisecond)));
}

DateTimeOffset QmlDateTimeOffsetFactory::fromDateString(
    const QString &str, const QLocale &locale, int formatType) const
{
    return atLocalMidnight(locale.toDate(str, QLocale::FormatType(formatType)));
}

DateTimeOffset QmlDateTimeOffsetFactory::fromDateString(
    const QString &str, const QLocale &locale) const
{
    return fromDateString(str, locale, QLocale::LongFormat);
}

DateTimeOffset QmlDateTimeOffsetFactory::fromDateString(const QString &str) const
{
    return fromDateString(str, QLocale(), QLocale::LongFormat);
}

DateTimeOffset QmlDateTimeOffsetFactory::fromDateString(
    const QString &str, const QLocale &locale, const QString &format) const
{
    return atLocalMidnight(locale.toDate(str, format));
}

DateTimeOffset QmlDateTimeOffsetFactory::fromTimeString(
    const DateTimeOffset &date, const QString &str, const QLocale &locale, int formatType) const
{
    return withParsedTime(date, locale.toTime(str, QLocale::FormatType(formatType)));
}

DateTimeOffset QmlDateTimeOffsetFactory::fromTimeString(
    const DateTimeOffset &date, const QString &str, const QLocale &locale) const
{
    return fromTimeString(date, str, locale, QLocale::LongFormat);
}

DateTimeOffset QmlDateTimeOffsetFactory::fromTimeString(
    const DateTimeOffset &date, const QString &str) const
{
    return fromTimeString(date, str, QLocale(), QLocale::LongFormat);
}

DateTimeOffset QmlDateTimeOffsetFactory::fromTimeString(const DateTimeOffset &date,
    const QString &str, const QLocale &locale, const QString &format) const
{
    return withParsedTime(date, locale.toTime(str, format));
}

DateTimeOffset QmlDateTimeOffsetFactory::fromJsDateValue(double value) const
{
    return DateTimeOffset(QDateTime::fromMSecsSinceEpoch(qint64(value)));
}

DateTimeOffset QmlDateTimeOffsetFactory::fromDaysSinceEpoch(double value) const
{
    return DateTimeOffset(QDateTime::fromMSecsSinceEpoch(qint64(value * 86400000.0)));
}

QString QmlDateTimeOffsetFactory::timeZoneUtcOffSet(int seconds) const
{
    const QTimeZone zone(seconds);
    if (!zone.isValid())
        return QString();
    return zone.displayName(QTimeZone::StandardTime, QTimeZone::OffsetName, QLocale());
}

DateTimeOffset QmlDateTimeOffsetFactory::atLocalMidnight(const QDate &date)
{
    return DateTimeOffset(QDateTime(date, QTime(0, 0)));
}

DateTimeOffset QmlDateTimeOffsetFactory::withParsedTime(
    const DateTimeOffset &date, const QTime &time)
{
    if (!time.isValid())
        return DateTimeOffset();
    return date.withTime(time.hour(), time.minute(), time.second(), time.msec());
}
