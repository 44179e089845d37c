#include "JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVector>

namespace service {

namespace {
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The code unit of a "\uXXXX" escape starting at i, or -1.
int escapedUnit(const QByteArray &json, int i)
{
    if (i + 6 > json.size() || json.at(i) != '\\' || json.at(i + 1) != 'u')
        return -1;
    int unit = 0;
    for (int k = i + 2; k < i + 6; ++k) {
        const int digit = hexValue(json.at(k));
        if (digit < 0)
            return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

bool isHigh(int unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLow(int unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The strings of valid JSON text followed by a colon: every key as written.
qint64 writtenKeys(const QByteArray &json)
{
    qint64 keys = 0;
    bool inString = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (!inString) {
            inString = c == '"';
            continue;
        }
        if (c == '\\') {
            ++i;
        } else if (c == '"') {
            inString = false;
            int next = i + 1;
            while (next < json.size() && isJsonSpace(json.at(next)))
                ++next;
            if (next < json.size() && json.at(next) == ':')
                ++keys;
        }
    }
    return keys;
}

// The keys the parser kept, counted without recursion: nesting may be deep.
qint64 parsedKeys(const QJsonDocument &document)
{
    qint64 keys = 0;
    QVector<QJsonValue> pending { document.isArray() ? QJsonValue(document.array())
                                                     : QJsonValue(document.object()) };
    while (!pending.isEmpty()) {
        const QJsonValue value = pending.takeLast();
        if (value.isObject()) {
            const QJsonObject object = value.toObject();
            keys += object.size();
            for (auto it = object.begin(); it != object.end(); ++it)
                pending.append(it.value());
        } else if (value.isArray()) {
            for (const QJsonValue &item : value.toArray())
                pending.append(item);
        }
    }
    return keys;
}
} // namespace

bool JsonText::hasLoneSurrogate(const QByteArray &json)
{
    bool inString = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (!inString) {
            inString = c == '"';
            continue;
        }
        if (c == '"') {
            inString = false;
        } else if (c == '\\') {
            const int unit = escapedUnit(json, i);
            if (unit < 0) {
                ++i; // an escape of one character
                continue;
            }
            if (isLow(unit))
                return true;
            if (isHigh(unit)) {
                if (!isLow(escapedUnit(json, i + 6)))
                    return true;
                i += 6;
            }
            i += 5;
        }
    }
    return false;
}

bool JsonText::hasDuplicateKey(const QByteArray &json, const QJsonDocument &parsed)
{
    return writtenKeys(json) > parsedKeys(parsed);
}

} // namespace service
