#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace service {

// Typed reading of request members. A missing key and null both mean "unset"; a value of the
// wrong type throws InvalidArgument so that a bad request changes nothing.
class JsonArgs
{
public:
    static QJsonObject requiredObject(const QJsonObject &from, const char *key);
    static std::optional<QJsonObject> optionalObject(const QJsonObject &from, const char *key);
    static std::optional<qint64> optionalId(const QJsonObject &from, const char *key);
    static qint64 requiredId(const QJsonObject &from, const char *key);
    // Lists are bounded: a longer one is refused before any of it is read.
    static constexpr int maxListEntries = 1000;
    static std::optional<QVector<qint64>> optionalIdList(
        const QJsonObject &from, const char *key, int maxEntries = maxListEntries);
    static std::optional<QStringList> optionalStringList(
        const QJsonObject &from, const char *key, int maxEntries = maxListEntries);
    static std::optional<bool> optionalBool(const QJsonObject &from, const char *key);
    static std::optional<QString> optionalString(const QJsonObject &from, const char *key);
    static QString requiredString(const QJsonObject &from, const char *key);
    static std::optional<int> optionalInt(const QJsonObject &from, const char *key);

    // An id given as a number or as decimal text.
    static std::optional<qint64> idFromValue(const QJsonValue &value);

private:
    static QJsonArray boundedArray(const QJsonValue &value, const char *key, int maxEntries);
};

} // namespace service
