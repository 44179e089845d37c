#include "DateTimeOffset.h"

#include "ScriptDateJson.h"

#include <QJSValue>
#include <QJsonObject>
#include <QTimeZone>

#include <limits>

namespace {

const qint64 millisecondsPerDay = 86400000;

const QString &dateTimeKey()
{
    static const QString key = QStringLiteral("DateTime");
    return key;
}

const QString &offsetMinutesKey()
{
    static const QString key = QStringLiteral("OffsetMinutes");
    return key;
}

bool startsWithWirePrefix(const QChar *text)
{
    return text[0] == QLatin1Char('/') && text[1] == QLatin1Char('D') && text[2] == QLatin1Char('a')
        && text[3] == QLatin1Char('t') && text[4] == QLatin1Char('e')
        && text[5] == QLatin1Char('(');
}

// QVariant::toInt without the general conversion machinery for the types JSON numbers take.
int toInt(const QVariant &number)
{
    switch (number.userType()) {
    case QMetaType::Int:
        return *static_cast<const int *>(number.constData());
    case QMetaType::LongLong:
        return int(*static_cast<const qlonglong *>(number.constData()));
    default:
        return number.toInt();
    }
}

} // namespace

QJsonValue DateTimeOffset::jsonValue() const
{
    // An unset date must not reach the service as the epoch.
    if (!m_value.isValid())
        return QJsonValue(QJsonValue::Null);
    QJsonObject object;
    object.insert(dateTimeKey(),
        QLatin1String("/Date(") + QString::number(m_value.toMSecsSinceEpoch())
            + QLatin1String(")/"));
    object.insert(offsetMinutesKey(), m_value.offsetFromUtc() / 60);
    return object;
}

QJSValue DateTimeOffset::scriptJsonValue() const
{
    return ScriptDateJson::make(jsonValue());
}

DateTimeOffset DateTimeOffset::fromJsonObject(const QVariant &object)
{
    switch (object.userType()) {
    case QMetaType::QVariantMap:
        return fromJsonObject(*static_cast<const QVariantMap *>(object.constData()));
    case QMetaType::QJsonObject:
        return fromJsonObject(*static_cast<const QJsonObject *>(object.constData()));
    case QMetaType::QJsonValue:
        return fromJsonObject(static_cast<const QJsonValue *>(object.constData())->toObject());
    default:
        // A script object kept in a var property arrives wrapped.
        if (object.userType() == qMetaTypeId<QJSValue>())
            return fromJsonObject(object.value<QJSValue>().toVariant().toMap());
        return fromJsonObject(object.toMap());
    }
}

DateTimeOffset DateTimeOffset::fromJsonObject(const QVariantMap &object)
{
    // One walk over the (two) entries touches each key once; lookups by key would compare
    // against several, and every key of a parsed answer is a separate allocation to fetch.
    const QVariant *dateTime = nullptr;
    const QVariant *offset = nullptr;
    for (auto entry = object.constBegin(); entry != object.constEnd(); ++entry) {
        if (!dateTime && entry.key() == dateTimeKey())
            dateTime = &entry.value();
        else if (!offset && entry.key() == offsetMinutesKey())
            offset = &entry.value();
        if (dateTime && offset)
            break;
    }
    if (!dateTime)
        return DateTimeOffset();
    const int offsetMinutes = offset ? toInt(*offset) : 0;
    if (dateTime->userType() == QMetaType::QString)
        return fromWire(*static_cast<const QString *>(dateTime->constData()), offsetMinutes);
    return fromWire(dateTime->toString(), offsetMinutes);
}

DateTimeOffset DateTimeOffset::fromJsonObject(const QJsonObject &object)
{
    return fromWire(object.value(QLatin1String("DateTime")).toString(),
        object.value(QLatin1String("OffsetMinutes")).toInt());
}

DateTimeOffset DateTimeOffset::fromWire(const QString &dateTime, int offsetMinutes)
{
    // Beyond a script Date's range, or offsets no clock uses, the object is malformed; taking
    // it would overflow the date arithmetic.
    const qint64 scriptDateLimit = Q_INT64_C(8640000000000000);
    const int offsetLimitMinutes = 18 * 60;
    qint64 milliseconds = 0;
    if (!parseWireMilliseconds(dateTime, &milliseconds) || milliseconds > scriptDateLimit
        || milliseconds < -scriptDateLimit || offsetMinutes > offsetLimitMinutes
        || offsetMinutes < -offsetLimitMinutes)
        return DateTimeOffset();
    return DateTimeOffset(
        QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::OffsetFromUTC, offsetMinutes * 60));
}

bool DateTimeOffset::parseWireMilliseconds(const QString &text, qint64 *milliseconds)
{
    // "/Date(" + digits + ")/": scanned in place, this runs for every date of every list answer.
    const int size = text.size();
    if (size < 9)
        return false;
    const QChar *chars = text.constData();
    if (!startsWithWirePrefix(chars) || chars[size - 2] != QLatin1Char(')')
        || chars[size - 1] != QLatin1Char('/'))
        return false;

    int position = 6;
    const int end = size - 2;
    bool negative = false;
    if (chars[position] == QLatin1Char('-') || chars[position] == QLatin1Char('+')) {
        negative = chars[position] == QLatin1Char('-');
        ++position;
    }
    if (position == end)
        return false;

    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    quint64 magnitude = 0;
    for (; position < end; ++position) {
        const unsigned digit = unsigned(chars[position].unicode()) - '0';
        if (digit > 9 || magnitude > (limit - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    *milliseconds = negative ? qint64(0 - magnitude) : qint64(magnitude);
    return true;
}

DateTimeOffset DateTimeOffset::fromIsoString(const QString &text)
{
    return DateTimeOffset(QDateTime::fromString(text, Qt::ISODate));
}

DateTimeOffset DateTimeOffset::beginOfTheMonth() const
{
    const DateTimeOffset day = beginOfTheDay();
    return DateTimeOffset(day.m_value.addDays(1 - m_value.date().day()));
}

DateTimeOffset DateTimeOffset::beginOfTheWeek() const
{
    const DateTimeOffset day = beginOfTheDay();
    return DateTimeOffset(day.m_value.addDays(1 - m_value.date().dayOfWeek()));
}

DateTimeOffset DateTimeOffset::beginOfTheDay() const
{
    QDateTime midnight = m_value;
    midnight.setTime(QTime(0, 0));
    return DateTimeOffset(midnight);
}

double DateTimeOffset::daysSinceEpoch() const
{
    return double(m_value.toMSecsSinceEpoch()) / millisecondsPerDay;
}

double DateTimeOffset::jsDateValue() const
{
    return double(m_value.toMSecsSinceEpoch());
}

Qt::DayOfWeek DateTimeOffset::dayOfWeek() const
{
    return Qt::DayOfWeek(m_value.date().dayOfWeek());
}

DateTimeOffset DateTimeOffset::addMilliseconds(double milliseconds) const
{
    return DateTimeOffset(m_value.addMSecs(qint64(milliseconds)));
}

DateTimeOffset DateTimeOffset::addSeconds(double seconds) const
{
    return addMilliseconds(seconds * 1000);
}

DateTimeOffset DateTimeOffset::addMinutes(double minutes) const
{
    return addMilliseconds(minutes * 60 * 1000);
}

DateTimeOffset DateTimeOffset::addHours(double hours) const
{
    return addMilliseconds(hours * 60 * 60 * 1000);
}

DateTimeOffset DateTimeOffset::addDays(double days) const
{
    return addMilliseconds(days * millisecondsPerDay);
}

DateTimeOffset DateTimeOffset::addWeeks(double count) const
{
    return addMilliseconds(count * 7 * millisecondsPerDay);
}

DateTimeOffset DateTimeOffset::addMonths(int count) const
{
    return DateTimeOffset(m_value.addMonths(count));
}

DateTimeOffset DateTimeOffset::withDateAndTime(const QDate &date, const QTime &time) const
{
    return DateTimeOffset(QDateTime(date, time, m_value.timeZone()));
}

DateTimeOffset DateTimeOffset::withTime(int hour, int minute, int second, int millisecond) const
{
    return withDateAndTime(m_value.date(), QTime(hour, minute, second, millisecond));
}

DateTimeOffset DateTimeOffset::withTime(const DateTimeOffset &from) const
{
    return withDateAndTime(m_value.date(), from.m_value.time());
}

DateTimeOffset DateTimeOffset::withDate(int year, int month, int day) const
{
    return withDateAndTime(QDate(year, month, day), m_value.time());
}

DateTimeOffset DateTimeOffset::withDate(const DateTimeOffset &from) const
{
    return withDateAndTime(from.m_value.date(), m_value.time());
}

int DateTimeOffset::compare(const QVariant &other) const
{
    DateTimeOffset that;
    if (!fromVariant(other, &that))
        return 0;
    if (m_value > that.m_value)
        return 1;
    if (m_value < that.m_value)
        return -1;
    return 0;
}

double DateTimeOffset::daysTo(const DateTimeOffset &other) const
{
    return other.daysSinceEpoch() - daysSinceEpoch();
}

QString DateTimeOffset::toString(const QVariant &format) const
{
    if (format.userType() == QMetaType::QString)
        return m_value.toString(format.toString());
    bool ok = false;
    const int dateFormat = format.toInt(&ok);
    return m_value.toString(ok ? Qt::DateFormat(dateFormat) : Qt::TextDate);
}

QString DateTimeOffset::toString() const
{
    return m_value.toString(Qt::ISODate);
}

QString DateTimeOffset::toLocaleDateString(const QLocale &locale, int format) const
{
    return locale.toString(m_value.date(), QLocale::FormatType(format));
}

QString DateTimeOffset::toLocaleDateString(const QLocale &locale) const
{
    return toLocaleDateString(locale, QLocale::LongFormat);
}

QString DateTimeOffset::toLocaleDateString(const QLocale &locale, const QString &format) const
{
    return locale.toString(m_value.date(), format);
}

QString DateTimeOffset::toLocaleTimeString(const QLocale &locale, int format) const
{
    return locale.toString(m_value.time(), QLocale::FormatType(format));
}

QString DateTimeOffset::toLocaleTimeString(const QLocale &locale) const
{
    return toLocaleTimeString(locale, QLocale::LongFormat);
}

QString DateTimeOffset::toLocaleTimeString(const QLocale &locale, const QString &format) const
{
    return locale.toString(m_value.time(), format);
}

bool DateTimeOffset::fromVariant(const QVariant &variant, DateTimeOffset *result)
{
    const int type = qMetaTypeId<DateTimeOffset>();
    if (variant.userType() == type) {
        *result = *static_cast<const DateTimeOffset *>(variant.constData());
        return true;
    }
    // A script Date is a date-time too: comparing with one must not report "equal".
    if (variant.userType() == QMetaType::QDateTime) {
        *result = DateTimeOffset(variant.toDateTime());
        return true;
    }
    if (!variant.canConvert(type))
        return false;
    QVariant converted = variant;
    if (!converted.convert(type))
        return false;
    *result = *static_cast<const DateTimeOffset *>(converted.constData());
    return true;
}

void DateTimeOffset::registerStringConverters()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    QMetaType::registerConverter<DateTimeOffset, QString>(
        [](const DateTimeOffset &value) { return value.toString(); });
    QMetaType::registerConverter<QString, DateTimeOffset>(&DateTimeOffset::fromIsoString);
}
