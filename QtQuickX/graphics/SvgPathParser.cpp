#include "SvgPathParser.h"

#include "PathCoordinates.h"
#include "SvgArc.h"

#include <QPainterPath>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isWhitespace(char16_t c)
{
    // One comparison settles the common case of a character above the space.
    constexpr quint64 mask = (quint64(1) << u' ') | (quint64(1) << u'\t') | (quint64(1) << u'\n')
        | (quint64(1) << u'\r');
    return c <= u' ' && (mask >> c) & 1;
}

char16_t upper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
}

// Arguments per command; 0 for letters that are not commands.
int argumentCount(char16_t command)
{
    switch (upper(command)) {
    case u'Z':
        return 0;
    case u'H':
    case u'V':
        return 1;
    case u'M':
    case u'L':
    case u'T':
        return 2;
    case u'S':
    case u'Q':
        return 4;
    case u'C':
        return 6;
    case u'A':
        return 7;
    default:
        return -1;
    }
}

constexpr double powersOfTen[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
// Room for one more decimal digit in 64 bits: 18 significant digits are kept.
constexpr quint64 mantissaLimit = 100000000000000000ULL;
constexpr int exponentCap = 100000;

// Reads a run of decimal digits into mantissa. Digits beyond what the mantissa holds only scale
// it in the integer part and are dropped in the fraction; fraction digits lower the exponent.
template<bool fraction>
Q_ALWAYS_INLINE void readDigits(
    const char16_t *&p, const char16_t *end, quint64 &mantissa, int &exponent)
{
    for (; p != end; ++p) {
        const unsigned digit = unsigned(*p) - u'0';
        if (digit > 9)
            return;
        if (mantissa < mantissaLimit && (!fraction || exponent > -exponentCap)) {
            mantissa = mantissa * 10 + digit;
            exponent -= fraction ? 1 : 0;
        } else if (!fraction && exponent < exponentCap) {
            ++exponent;
        }
    }
}

// Long mantissas and large exponents, through the library's correctly rounding conversion.
Q_NEVER_INLINE bool decimalToDoubleSlow(quint64 mantissa, int exponent, double &value)
{
    char text[48];
    const int length = std::snprintf(
        text, sizeof text, "%llue%d", static_cast<unsigned long long>(mantissa), exponent);
    const auto result = std::from_chars(text, text + length, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = 0.0;
        return exponent < 0; // underflow reads as zero, overflow is an error
    }
    return result.ec == std::errc() && std::isfinite(value);
}

// Mantissa and decimal exponent to the nearest double; false when it overflows.
Q_ALWAYS_INLINE bool decimalToDouble(quint64 mantissa, int exponent, double &value)
{
    if (mantissa == 0) {
        value = 0.0;
        return true;
    }
    // Exact operands give a correctly rounded result; one of the two powers is 1. Dividing and
    // multiplying unconditionally avoids a branch that numbers with and without decimals would
    // keep mispredicting.
    if (Q_LIKELY(mantissa <= (quint64(1) << 53) && exponent >= -22 && exponent <= 22)) {
        const double m = double(mantissa);
        value = m / powersOfTen[std::max(-exponent, 0)] * powersOfTen[std::max(exponent, 0)];
        return true;
    }
    return decimalToDoubleSlow(mantissa, exponent, value);
}
} // namespace

bool SvgPathParser::parse(QStringView data, QPainterPath &path)
{
    // One element per few characters is typical; reserving avoids repeated growth.
    if (data.size() > 64)
        path.reserve(path.elementCount() + int(data.size() / 6));
    return SvgPathParser(data, path).run();
}

SvgPathParser::SvgPathParser(QStringView data, QPainterPath &path)
    : m_pos(reinterpret_cast<const char16_t *>(data.data()))
    , m_end(reinterpret_cast<const char16_t *>(data.data()) + data.size())
    , m_path(path)
{ }

bool SvgPathParser::run()
{
    bool first = true;
    double arguments[7];
    for (;;) {
        skipWhitespace();
        if (m_pos == m_end)
            return true;
        const char16_t command = *m_pos;
        const int count = argumentCount(command);
        if (count < 0 || (first && upper(command) != u'M'))
            return false;
        ++m_pos;
        first = false;
        if (count == 0) {
            m_path.closeSubpath();
            m_current = m_subpathStart;
            m_previous = u'Z';
            continue;
        }
        bool firstGroup = true;
        do {
            skipWhitespace();
            if (!readArguments(command, arguments, count)
                || !execute(command, arguments, firstGroup))
                return false;
            firstGroup = false;
            skipWhitespace();
            if (m_pos != m_end && *m_pos == u',') {
                ++m_pos;
                skipWhitespace();
                if (!atNumberStart())
                    return false;
            }
        } while (atNumberStart());
    }
}

bool SvgPathParser::readArguments(char16_t command, double *arguments, int count)
{
    // The argument layout is known per command: no per-argument decisions in the common cases.
    switch (count) {
    case 1:
        return readNumbers<1>(arguments);
    case 2:
        return readNumbers<2>(arguments);
    case 4:
        return readNumbers<4>(arguments);
    case 6:
        return readNumbers<6>(arguments);
    default:
        Q_ASSERT(upper(command) == u'A' && count == 7);
        return readNumbers<3>(arguments) && readFlagArgument(arguments[3])
            && readFlagArgument(arguments[4]) && readNumberArgument(arguments[5])
            && readNumberArgument(arguments[6]);
    }
}

template<int count>
Q_ALWAYS_INLINE bool SvgPathParser::readNumbers(double *arguments)
{
    if (!readNumber(arguments[0]))
        return false;
    for (int i = 1; i < count; ++i) {
        if (!readNumberArgument(arguments[i]))
            return false;
    }
    return true;
}

Q_ALWAYS_INLINE bool SvgPathParser::readNumberArgument(double &value)
{
    skipCommaWhitespace();
    return readNumber(value);
}

Q_ALWAYS_INLINE bool SvgPathParser::readFlagArgument(double &value)
{
    skipCommaWhitespace();
    return readFlag(value);
}

bool SvgPathParser::execute(char16_t command, const double *a, bool firstGroup)
{
    const bool relative = command >= u'a';
    char16_t kind = upper(command);
    switch (kind) {
    case u'M': {
        const QPointF target = point(relative, a[0], a[1]);
        if (!PathCoordinates::isValid(target))
            return false;
        if (firstGroup) {
            m_path.moveTo(target);
            m_subpathStart = target;
        } else {
            m_path.lineTo(target);
            kind = u'L';
        }
        m_current = target;
        break;
    }
    case u'L':
    case u'H':
    case u'V': {
        QPointF target = m_current;
        if (kind == u'L')
            target = point(relative, a[0], a[1]);
        else if (kind == u'H')
            target.setX(relative ? m_current.x() + a[0] : a[0]);
        else
            target.setY(relative ? m_current.y() + a[0] : a[0]);
        if (!PathCoordinates::isValid(target))
            return false;
        m_path.lineTo(target);
        m_current = target;
        break;
    }
    case u'C':
    case u'S': {
        const bool smooth = kind == u'S';
        const QPointF first = smooth ? reflectedControl(u'C', u'S') : point(relative, a[0], a[1]);
        const double *rest = smooth ? a : a + 2;
        const QPointF second = point(relative, rest[0], rest[1]);
        const QPointF target = point(relative, rest[2], rest[3]);
        if (!PathCoordinates::isValid(first) || !PathCoordinates::isValid(second)
            || !PathCoordinates::isValid(target))
            return false;
        m_path.cubicTo(first, second, target);
        m_lastControl = second;
        m_current = target;
        break;
    }
    case u'Q':
    case u'T': {
        const bool smooth = kind == u'T';
        const QPointF control = smooth ? reflectedControl(u'Q', u'T') : point(relative, a[0], a[1]);
        const QPointF target = smooth ? point(relative, a[0], a[1]) : point(relative, a[2], a[3]);
        if (!PathCoordinates::isValid(control) || !PathCoordinates::isValid(target))
            return false;
        // As a cubic directly: QPainterPath::quadTo would convert and check it once more.
        m_path.cubicTo(m_current + 2.0 / 3.0 * (control - m_current),
            target + 2.0 / 3.0 * (control - target), target);
        m_lastControl = control;
        m_current = target;
        break;
    }
    case u'A': {
        const QPointF target = point(relative, a[5], a[6]);
        if (!PathCoordinates::isValid(target))
            return false;
        SvgArc(m_current, a[0], a[1], a[2], a[3] != 0.0, a[4] != 0.0, target).appendTo(m_path);
        m_current = target;
        break;
    }
    default:
        return false;
    }
    m_previous = kind;
    return true;
}

Q_ALWAYS_INLINE QPointF SvgPathParser::point(bool relative, double x, double y) const
{
    return relative ? QPointF(m_current.x() + x, m_current.y() + y) : QPointF(x, y);
}

Q_ALWAYS_INLINE QPointF SvgPathParser::reflectedControl(char16_t curve, char16_t smoothCurve) const
{
    if (m_previous == curve || m_previous == smoothCurve)
        return 2 * m_current - m_lastControl;
    return m_current;
}

Q_ALWAYS_INLINE void SvgPathParser::skipWhitespace()
{
    while (m_pos != m_end && isWhitespace(*m_pos))
        ++m_pos;
}

Q_ALWAYS_INLINE void SvgPathParser::skipCommaWhitespace()
{
    skipWhitespace();
    if (m_pos != m_end && *m_pos == u',') {
        ++m_pos;
        skipWhitespace();
    }
}

Q_ALWAYS_INLINE bool SvgPathParser::atNumberStart() const
{
    if (m_pos == m_end)
        return false;
    const char16_t c = *m_pos;
    return isDigit(c) || c == u'.' || c == u'-' || c == u'+';
}

Q_ALWAYS_INLINE bool SvgPathParser::readNumber(double &value)
{
    const char16_t *p = m_pos;
    bool negative = false;
    if (p != m_end && (*p == u'+' || *p == u'-')) {
        negative = *p == u'-';
        ++p;
    }
    quint64 mantissa = 0;
    int exponent = 0;
    const char16_t *digits = p;
    readDigits<false>(p, m_end, mantissa, exponent);
    bool anyDigit = p != digits;
    if (p != m_end && *p == u'.') {
        digits = ++p;
        readDigits<true>(p, m_end, mantissa, exponent);
        anyDigit = anyDigit || p != digits;
    }
    if (!anyDigit)
        return false;
    if (p != m_end && (*p == u'e' || *p == u'E')) {
        // An 'e' without digits is not part of the number.
        const char16_t *q = p + 1;
        bool negativeExponent = false;
        if (q != m_end && (*q == u'+' || *q == u'-')) {
            negativeExponent = *q == u'-';
            ++q;
        }
        if (q != m_end && isDigit(*q)) {
            int written = 0;
            for (; q != m_end && isDigit(*q); ++q) {
                if (written < exponentCap)
                    written = written * 10 + (*q - u'0');
            }
            exponent += negativeExponent ? -written : written;
            p = q;
        }
    }
    double magnitude = 0.0;
    if (!decimalToDouble(mantissa, exponent, magnitude))
        return false;
    value = negative ? -magnitude : magnitude;
    m_pos = p;
    return true;
}

Q_ALWAYS_INLINE bool SvgPathParser::readFlag(double &value)
{
    if (m_pos == m_end || (*m_pos != u'0' && *m_pos != u'1'))
        return false;
    value = *m_pos == u'1' ? 1.0 : 0.0;
    ++m_pos;
    return true;
}
