#pragma once

#include <QDateTime>
#include <QJSValue>
#include <QJsonValue>
#include <QLocale>
#include <QMetaType>
#include <QVariant>

// A date-time with its UTC offset: the value type of every wire date. Arithmetic keeps the
// time specification of the value it starts from.
class DateTimeOffset
{
    Q_GADGET
    // Read as a property or called as a method alike (see ScriptDateJson).
    Q_PROPERTY(QJSValue jsonValue READ scriptJsonValue)
    Q_PROPERTY(QDateTime value READ value)
    Q_PROPERTY(bool isValid READ isValid)
    Q_PROPERTY(DateTimeOffset beginOfTheMonth READ beginOfTheMonth)
    Q_PROPERTY(DateTimeOffset beginOfTheWeek READ beginOfTheWeek)
    Q_PROPERTY(DateTimeOffset beginOfTheDay READ beginOfTheDay)
    Q_PROPERTY(double daysSinceEpoch READ daysSinceEpoch)
    Q_PROPERTY(double jsDateValue READ jsDateValue)
    Q_PROPERTY(Qt::DayOfWeek dayOfWeek READ dayOfWeek)
public:
    DateTimeOffset() = default;
    explicit DateTimeOffset(const QDateTime &value)
        : m_value(value)
    { }
    explicit DateTimeOffset(QDateTime &&value)
        : m_value(std::move(value))
    { }

    // The wire form {"DateTime": "/Date(<ms>)/", "OffsetMinutes": <n>}; null for an invalid value.
    QJsonValue jsonValue() const;
    QJSValue scriptJsonValue() const;
    // Reads the wire form from a QVariantMap, QJsonObject or QJsonValue; invalid otherwise.
    static DateTimeOffset fromJsonObject(const QVariant &object);
    static DateTimeOffset fromJsonObject(const QVariantMap &object);
    static DateTimeOffset fromJsonObject(const QJsonObject &object);
    static DateTimeOffset fromWire(const QString &dateTime, int offsetMinutes);
    // Reads "/Date(<signed decimal ms>)/"; false for anything else, including overflow.
    static bool parseWireMilliseconds(const QString &text, qint64 *milliseconds);
    static DateTimeOffset fromIsoString(const QString &text);

    const QDateTime &value() const { return m_value; }
    bool isValid() const { return m_value.isValid(); }
    DateTimeOffset beginOfTheMonth() const;
    DateTimeOffset beginOfTheWeek() const;
    DateTimeOffset beginOfTheDay() const;
    double daysSinceEpoch() const;
    double jsDateValue() const;
    Qt::DayOfWeek dayOfWeek() const;

    Q_INVOKABLE DateTimeOffset addSeconds(double seconds) const;
    Q_INVOKABLE DateTimeOffset addMinutes(double minutes) const;
    Q_INVOKABLE DateTimeOffset addHours(double hours) const;
    Q_INVOKABLE DateTimeOffset addDays(double days) const;
    Q_INVOKABLE DateTimeOffset addWeeks(double count) const;
    Q_INVOKABLE DateTimeOffset addMonths(int count) const;
    Q_INVOKABLE DateTimeOffset withTime(
        int hour = 0, int minute = 0, int second = 0, int millisecond = 0) const;
    Q_INVOKABLE DateTimeOffset withTime(const DateTimeOffset &from) const;
    Q_INVOKABLE DateTimeOffset withDate(int year, int month, int day) const;
    Q_INVOKABLE DateTimeOffset withDate(const DateTimeOffset &from) const;
    // 1 when later than other, -1 when earlier, 0 when equal or other is not a date-time.
    Q_INVOKABLE int compare(const QVariant &other) const;
    Q_INVOKABLE double daysTo(const DateTimeOffset &other) const;

    Q_INVOKABLE QString toString(const QVariant &format) const;
    Q_INVOKABLE QString toString() const;
    Q_INVOKABLE QString toLocaleDateString(const QLocale &locale, int format) const;
    Q_INVOKABLE QString toLocaleDateString(const QLocale &locale) const;
    Q_INVOKABLE QString toLocaleDateString(const QLocale &locale, const QString &format) const;
    Q_INVOKABLE QString toLocaleTimeString(const QLocale &locale, int format) const;
    Q_INVOKABLE QString toLocaleTimeString(const QLocale &locale) const;
    Q_INVOKABLE QString toLocaleTimeString(const QLocale &locale, const QString &format) const;

    // A DateTimeOffset, a QDateTime, or anything registered as convertible to one (such as
    // ISO text).
    static bool fromVariant(const QVariant &variant, DateTimeOffset *result);
    static void registerStringConverters();

    bool operator==(const DateTimeOffset &other) const { return m_value == other.m_value; }
    bool operator!=(const DateTimeOffset &other) const { return m_value != other.m_value; }

private:
    DateTimeOffset addMilliseconds(double milliseconds) const;
    DateTimeOffset withDateAndTime(const QDate &date, const QTime &time) const;

    QDateTime m_value;
};

Q_DECLARE_TYPEINFO(DateTimeOffset, Q_MOVABLE_TYPE);
Q_DECLARE_METATYPE(DateTimeOffset)
