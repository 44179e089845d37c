#pragma once

#include <QPointF>
#include <QStringView>

class QPainterPath;

// Reads SVG 1.1 path data ("d" attribute grammar). Input is untrusted: reading never leaves the
// given view, every step consumes input, and parsing stops at the first character that does not
// fit the grammar, keeping what was read before it.
class SvgPathParser
{
public:
    // Appends to path; answers whether the whole text was read.
    static bool parse(QStringView data, QPainterPath &path);

private:
    SvgPathParser(QStringView data, QPainterPath &path);

    bool run();
    bool readArguments(char16_t command, double *arguments, int count);
    template<int count>
    bool readNumbers(double *arguments);
    bool readNumberArgument(double &value);
    bool readFlagArgument(double &value);
    bool execute(char16_t command, const double *arguments, bool firstGroup);
    void skipWhitespace();
    void skipCommaWhitespace();
    bool atNumberStart() const;
    bool readNumber(double &value);
    bool readFlag(double &value);
    QPointF point(bool relative, double x, double y) const;
    // The previous segment's last control point mirrored about the current point, when that
    // segment was of the same family; else the current point.
    QPointF reflectedControl(char16_t curve, char16_t smoothCurve) const;

    const char16_t *m_pos;
    const char16_t *m_end;
    QPainterPath &m_path;
    QPointF m_current;
    QPointF m_subpathStart;
    QPointF m_lastControl;
    char16_t m_previous = 0; // upper-case command of the previous segment
};
