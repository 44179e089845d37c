#pragma once

#include "SvgPathScanner.h"

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
    // The family of the previous segment, for the control point of S and T.
    enum class Curve { None, Cubic, Quadratic };

    SvgPathParser(QStringView data, QPainterPath &path);

    bool run();
    // The letter has been read; its argument groups follow.
    bool readCommand(char16_t letter);
    // Reads argument groups with segment as long as numbers follow.
    template<bool (SvgPathParser::*segment)()>
    bool readGroups();
    // After a group: whether another one follows (after a comma it must).
    bool nextGroup();

    template<bool relative>
    bool moveTo();
    template<bool relative>
    bool lineTo();
    template<bool relative>
    bool horizontalLineTo();
    template<bool relative>
    bool verticalLineTo();
    template<bool relative>
    bool curveTo();
    template<bool relative>
    bool smoothCurveTo();
    template<bool relative>
    bool quadTo();
    template<bool relative>
    bool smoothQuadTo();
    template<bool relative>
    bool arcTo();
    void closePath();

    bool appendLine(const QPointF &target);
    bool appendCubic(const QPointF &first, const QPointF &second, const QPointF &target);
    bool appendQuadratic(const QPointF &control, const QPointF &target);

    template<int count>
    bool readNumbers(double *arguments);
    template<bool relative>
    QPointF point(double x, double y) const;
    // The previous segment's last control point mirrored about the current point, when that
    // segment was of the given family; else the current point.
    QPointF reflectedControl(Curve family) const;

    SvgPathScanner m_scanner;
    QPainterPath &m_path;
    QPointF m_current;
    QPointF m_subpathStart;
    QPointF m_lastControl;
    Curve m_previous = Curve::None;
    int m_reserve; // elements to reserve at the first move-to
};
