#include "JsonText.h"

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

} // namespace service
