#pragma once

#include "DateTimeOffset.h"

#include <QObject>

// The DateTimeOffset singleton of QML: every way a script makes a DateTimeOffset.
class QmlDateTimeOffsetFactory : public QObject
{
    Q_OBJECT
    Q_PROPERTY(DateTimeOffset beginOfEpoch READ beginOfEpoch CONSTANT)
public:
    using QObject::QObject;

    DateTimeOffset beginOfEpoch() const;

    Q_INVOKABLE DateTimeOffset now() const;
    // A DateTimeOffset or JSON date object, ISO 8601 text, a date or a date-time.
    Q_INVOKABLE DateTimeOffset of(const QVariant &value) const;
    Q_INVOKABLE DateTimeOffset of(int year, int month, int day, int hour, int minute = 0,
        int second = 0, int millisecond = 0) const;

    Q_INVOKABLE DateTimeOffset fromDateString(
        const QString &str, const QLocale &locale, int formatType) const;
    Q_INVOKABLE DateTimeOffset fromDateString(const QString &str, const QLocale &locale) const;
    Q_INVOKABLE DateTimeOffset fromDateString(const QString &str) const;
    Q_INVOKABLE DateTimeOffset fromDateString(
        const QString &str, const QLocale &locale, const QString &format) const;

    Q_INVOKABLE DateTimeOffset fromTimeString(const DateTimeOffset &date, const QString &str,
        const QLocale &locale, int formatType) const;
    Q_INVOKABLE DateTimeOffset fromTimeString(
        const DateTimeOffset &date, const QString &str, const QLocale &locale) const;
    Q_INVOKABLE DateTimeOffset fromTimeString(const DateTimeOffset &date, const QString &str) const;
    Q_INVOKABLE DateTimeOffset fromTimeString(const DateTimeOffset &date, const QString &str,
        const QLocale &locale, const QString &format) const;

    Q_INVOKABLE DateTimeOffset fromJsDateValue(double value) const;
    Q_INVOKABLE DateTimeOffset fromDaysSinceEpoch(double value) const;
    // "UTC+02:00" style name of a fixed offset; empty outside the valid range of offsets.
    Q_INVOKABLE QString timeZoneUtcOffSet(int seconds) const;

private:
    static DateTimeOffset atLocalMidnight(const QDate &date);
    static DateTimeOffset withParsedTime(const DateTimeOffset &date, const QTime &time);
};
