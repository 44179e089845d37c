#include "SvgPathScanner.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

constexpr double powersOfTen[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
// Room for one more decimal digit in 64 bits: 18 significant digits are kept.
constexpr quint64 mantissaLimit = 100000000000000000ULL;
constexpr int exponentCap = 100000;

// Reads a run of decimal digits into mantissa. Digits beyond what the mantissa holds only scale
// it in the integer part and are dropped in the fraction; fraction digits lower the exponent.
template<bool fraction>
void readDigits(const char16_t *&p, const char16_t *end, quint64 &mantissa, int &exponent)
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
bool decimalToDoubleSlow(quint64 mantissa, int exponent, double &value)
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
bool decimalToDouble(quint64 mantissa, int exponent, double &value)
{
    if (mantissa == 0) {
        value = 0.0;
        return true;
    }
    // Exact operands give a correctly rounded result.
    if (mantissa <= (quint64(1) << 53) && exponent >= -22 && exponent <= 22) {
        const double m = double(mantissa);
        value = exponent < 0 ? m / powersOfTen[-exponent] : m * powersOfTen[exponent];
        return true;
    }
    return decimalToDoubleSlow(mantissa, exponent, value);
}
} // namespace

bool SvgPathScanner::readAnyNumber(double &value)
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
