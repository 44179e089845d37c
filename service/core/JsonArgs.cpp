#include "JsonArgs.h"

#include "ServiceError.h"

#include <QJsonArray>
#include <cmath>

namespace service {

namespace {
ServiceError wrongType(const char *key, const char *expected)
{
    return ServiceError::invalid(QStringLiteral("\"%1\" must be %2").arg(key, expected));
}

bool isUnset(const QJsonValue &value)
{
    return value.isUndefined() || value.isNull();
}

std::optional<qint64> integral(double number)
{
    if (!std::isfinite(number) || std::floor(number) != number || std::fabs(number) > 9.0e15)
        return std::nullopt;
    return qint64(number);
}
} // namespace

std::optional<qint64> JsonArgs::idFromValue(const QJsonValue &value)
{
    if (value.isDouble())
        return integral(value.toDouble());
    if (value.isString()) {
        bool ok = false;
        const qint64 id = value.toString().trimmed().toLongLong(&ok);
        if (ok)
            return id;
    }
    return std::nullopt;
}

QJsonObject JsonArgs::requiredObject(const QJsonObject &from, const char *key)
{
    const auto object = optionalObject(from, key);
    if (!object)
        throw wrongType(key, "an object");
    return *object;
}

std::optional<QJsonObject> JsonArgs::optionalObject(const QJsonObject &from, const char *key)
{
    const QJsonValue value = from.value(QLatin1String(key));
    if (isUnset(value))
        return std::nullopt;
    if (!value.isObject())
        throw wrongType(key, "an object");
    return value.toObject();
}

std::optional<qint64> JsonArgs::optionalId(const QJsonObject &from, const char *key)
{
    const QJsonValue value = from.value(QLatin1String(key));
    if (isUnset(value) || (value.isString() && value.toString().isEmpty()))
        return std::nullopt;
    const auto id = idFromValue(value);
    if (!id)
        throw wrongType(key, "an id");
    return id;
}

qint64 JsonArgs::requiredId(const QJsonObject &from, const char *key)
{
    const auto id = optionalId(from, key);
    if (!id)
        throw wrongType(key, "an id");
    return *id;
}

QJsonArray JsonArgs::boundedArray(const QJsonValue &value, const char *key, int maxEntries)
{
    const QJsonArray array = value.toArray();
    if (array.size() > maxEntries)
        throw ServiceError::invalid(
            QStringLiteral("\"%1\" lists more than %2 entries").arg(key).arg(maxEntries));
    return array;
}

std::optional<QVector<qint64>> JsonArgs::optionalIdList(
    const QJsonObject &from, const char *key, int maxEntries)
{
    const QJsonValue value = from.value(QLatin1String(key));
    if (isUnset(value))
        return std::nullopt;
    if (!value.isArray())
        throw wrongType(key, "an array of ids");
    QVector<qint64> ids;
    const QJsonArray array = boundedArray(value, key, maxEntries);
    for (const QJsonValue &item : array) {
        const auto id = idFromValue(item);
        if (!id)
            throw wrongType(key, "an array of ids");
        ids.append(*id);
    }
    return ids;
}

std::optional<QStringList> JsonArgs::optionalStringList(
    const QJsonObject &from, const char *key, int maxEntries)
{
    const QJsonValue value = from.value(QLatin1String(key));
    if (isUnset(value))
        return std::nullopt;
    if (!value.isArray())
        throw wrongType(key, "an array of texts");
    QStringList texts;
    const QJsonArray array = boundedArray(value, key, maxEntries);
    for (const QJsonValue &item : array) {
        if (item.isString())
            texts.append(item.toString());
        else if (const auto number = idFromValue(item))
            texts.append(QString::number(*number));
        else
            throw wrongType(key, "an array of texts");
    }
    return texts;
}

std::optional<bool> JsonArgs::optionalBool(const QJsonObject &from, const char *key)
{
    const QJsonValue value = from.value(QLatin1String(key));
    if (isUnset(value))
        return std::nullopt;
    if (!value.isBool())
        throw wrongType(key, "true, false or null");
    return value.toBool();
}

std::optional<QString> JsonArgs::optionalString(const QJsonObject &from, const char *key)
{
    const QJsonValue value = from.value(QLatin1String(key));
    if (isUnset(value))
        return std::nullopt;
    if (!value.isString())
        throw wrongType(key, "a text");
    return value.toString();
}

QString JsonArgs::requiredString(const QJsonObject &from, const char *key)
{
    const auto text = optionalString(from, key);
    if (!text)
        throw wrongType(key, "a text");
    return *text;
}

std::optional<int> JsonArgs::optionalInt(const QJsonObject &from, const char *key)
{
    const QJsonValue value = from.value(QLatin1String(key));
    if (isUnset(value))
        return std::nullopt;
    const auto number = value.isDouble() ? integral(value.toDouble()) : std::nullopt;
    if (!number || *number < INT_MIN || *number > INT_MAX)
        throw wrongType(key, "a whole number");
    return int(*number);
}

} // namespace service
