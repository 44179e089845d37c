#pragma once

#include <QStringView>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define KESTRUM_SVG_SCANNER_SSE2 1
#include <emmintrin.h>

#include <QtAlgorithms>

#include <cstring>
#endif

// Splits SVG path data into its tokens: white space, separators, numbers, flags and command
// letters. The text is untrusted: nothing past its end is read. Numbers are converted to the
// nearest double.
class SvgPathScanner
{
public:
    explicit SvgPathScanner(QStringView text)
        : m_pos(reinterpret_cast<const char16_t *>(text.data()))
        , m_end(reinterpret_cast<const char16_t *>(text.data()) + text.size())
    { }

    bool atEnd() const { return m_pos == m_end; }
    // The next character; not at the end.
    char16_t peek() const { return *m_pos; }
    char16_t take() { return *m_pos++; }
    bool takeIf(char16_t c)
    {
        if (m_pos == m_end || *m_pos != c)
            return false;
        ++m_pos;
        return true;
    }

    void skipWhitespace()
    {
        while (m_pos != m_end && isWhitespace(*m_pos))
            ++m_pos;
    }
    // White space, at most one comma, white space.
    void skipSeparator();
    bool atNumberStart() const
    {
        if (m_pos == m_end)
            return false;
        const char16_t c = *m_pos;
        return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+';
    }

    // On failure (no number, or one beyond the double range) the position is unspecified: the
    // caller stops reading.
    bool readNumber(double &value);
    // A number after a separator.
    bool readSeparatedNumber(double &value);
    // A flag ("0" or "1") after a separator.
    bool readSeparatedFlag(double &value);

    static bool isWhitespace(char16_t c)
    {
        // Without a branch: separators of random kind would keep mispredicting one.
        constexpr quint64 mask = (quint64(1) << u' ') | (quint64(1) << u'\t')
            | (quint64(1) << u'\n') | (quint64(1) << u'\r');
        return (c <= u' ') & unsigned(mask >> (c & 63));
    }

private:
    // Any number of the grammar, character by character.
    bool readAnyNumber(double &value);

#ifdef KESTRUM_SVG_SCANNER_SSE2
    // Characters the plain reading may look at.
    static constexpr int plainReach = 32;

    // One bit per character of a 16-character window, the first in the lowest bit.
    struct CharacterClasses
    {
        unsigned digits;
        unsigned whitespace;
        unsigned commas;
        unsigned signs;
        unsigned minus;
        unsigned dots;
        unsigned exponents;
    };

    static CharacterClasses classify(const char16_t *p);
    static quint32 digitsValue(const char16_t *p, unsigned count);
    template<bool separated>
    bool readPlainNumber(double &value);
#endif

    const char16_t *m_pos;
    const char16_t *m_end;
};

#ifdef KESTRUM_SVG_SCANNER_SSE2
Q_ALWAYS_INLINE SvgPathScanner::CharacterClasses SvgPathScanner::classify(const char16_t *p)
{
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8));
    // Characters beyond Latin-1 become 0 or 0xff, which belong to no class.
    const __m128i bytes = _mm_packus_epi16(low, high);
    const auto equal = [&bytes](char c) {
        return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c));
    };
    const auto bits = [](__m128i m) {
        return unsigned(_mm_movemask_epi8(m));
    };
    const __m128i offsets = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const unsigned minus = bits(equal('-'));
    return { bits(_mm_cmpeq_epi8(_mm_min_epu8(offsets, _mm_set1_epi8(9)), offsets)),
        bits(_mm_or_si128(
            _mm_or_si128(equal(' '), equal('\t')), _mm_or_si128(equal('\n'), equal('\r')))),
        bits(equal(',')), minus | bits(equal('+')), minus, bits(equal('.')),
        bits(_mm_cmpeq_epi8(_mm_or_si128(bytes, _mm_set1_epi8(0x20)), _mm_set1_epi8('e'))) };
}

// The value of the count (at most 8) decimal digits at p; eight characters are read.
Q_ALWAYS_INLINE quint32 SvgPathScanner::digitsValue(const char16_t *p, unsigned count)
{
    const __m128i offsets = _mm_sub_epi16(
        _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)), _mm_set1_epi16(u'0'));
    const __m128i bytes = _mm_packus_epi16(offsets, offsets);
    quint64 lanes;
    std::memcpy(&lanes, &bytes, sizeof lanes);
    // Shifted up so that the bytes past the digits fall out and zeros lead, then combined
    // pairwise: the usual eight-digit method.
    const unsigned shift = 64 - 8 * count;
    lanes = (lanes << (shift / 2)) << (shift - shift / 2);
    lanes = lanes * 10 + (lanes >> 8);
    constexpr quint64 pairs = 0x000000FF000000FFULL;
    lanes = ((lanes & pairs) * (100 + (1000000ULL << 32))
                + ((lanes >> 16) & pairs) * (1 + (10000ULL << 32)))
        >> 32;
    return quint32(lanes);
}

// The usual number (optional sign, at most seven digits before and after the point, no
// exponent) after the usual separator (a space, a comma, both), from one window of character
// classes and without a data-dependent branch: the position of the next number then waits on few
// steps, and data of random shape mispredicts nothing. Anything else is left to the
// character-by-character reading.
template<bool separated>
Q_ALWAYS_INLINE bool SvgPathScanner::readPlainNumber(double &value)
{
    static constexpr quint32 scale[] = { 1, 10, 100, 1000, 10000, 100000, 1000000, 10000000 };
    static constexpr double divisor[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7 };
    static constexpr double sign[] = { 1.0, -1.0 };
    const CharacterClasses c = classify(m_pos);
    unsigned at = 0;
    unsigned unusual = 0;
    if (separated) {
        at = c.whitespace & 1;
        const unsigned comma = (c.commas >> at) & 1;
        at += comma;
        at += (c.whitespace >> at) & 1;
        unusual = ((c.whitespace >> at) & 1) | (~comma & (c.commas >> at) & 1);
    }
    const unsigned negative = (c.minus >> at) & 1;
    at += (c.signs >> at) & 1;
    const unsigned wholeAt = at;
    const unsigned wholeCount = qCountTrailingZeroBits(~c.digits >> at);
    at += wholeCount;
    at += (c.dots >> at) & 1;
    const unsigned fractionAt = at;
    const unsigned fractionCount = qCountTrailingZeroBits(~c.digits >> at);
    at += fractionCount;
    // Past the window the end of the number cannot be seen.
    if (unusual | (wholeCount > 7) | (fractionCount > 7) | (wholeCount + fractionCount == 0)
        | ((c.exponents >> at) & 1) | (at > 15))
        return false;
    // Below 10^14, so exact as a double: the one division rounds correctly.
    const quint64 mantissa
        = quint64(digitsValue(m_pos + wholeAt, wholeCount)) * scale[fractionCount]
        + digitsValue(m_pos + fractionAt, fractionCount);
    value = sign[negative] * (double(qint64(mantissa)) / divisor[fractionCount]);
    m_pos += at;
    return true;
}
#endif

Q_ALWAYS_INLINE void SvgPathScanner::skipSeparator()
{
    bool comma = false;
    // The usual separators (a space, a comma, both) are taken without branching on which.
    if (Q_LIKELY(m_end - m_pos >= 4)) {
        m_pos += isWhitespace(*m_pos);
        comma = *m_pos == u',';
        m_pos += comma;
        m_pos += isWhitespace(*m_pos);
        if (Q_LIKELY((!isWhitespace(*m_pos)) & (comma | (*m_pos != u','))))
            return;
    }
    skipWhitespace();
    if (!comma && m_pos != m_end && *m_pos == u',') {
        ++m_pos;
        skipWhitespace();
    }
}

Q_ALWAYS_INLINE bool SvgPathScanner::readNumber(double &value)
{
#ifdef KESTRUM_SVG_SCANNER_SSE2
    if (Q_LIKELY(m_end - m_pos >= plainReach) && readPlainNumber<false>(value))
        return true;
#endif
    return readAnyNumber(value);
}

Q_ALWAYS_INLINE bool SvgPathScanner::readSeparatedNumber(double &value)
{
#ifdef KESTRUM_SVG_SCANNER_SSE2
    if (Q_LIKELY(m_end - m_pos >= plainReach) && readPlainNumber<true>(value))
        return true;
#endif
    skipSeparator();
    return readAnyNumber(value);
}

Q_ALWAYS_INLINE bool SvgPathScanner::readSeparatedFlag(double &value)
{
    skipSeparator();
    if (m_pos == m_end || (*m_pos != u'0' && *m_pos != u'1'))
        return false;
    value = *m_pos == u'1' ? 1.0 : 0.0;
    ++m_pos;
    return true;
}
