#pragma once

#include <QPointF>

class QPainterPath;

// An SVG elliptical arc in endpoint form, appended to a path as cubic curves.
class SvgArc
{
public:
    SvgArc(const QPointF &from, double rx, double ry, double xAxisRotation, bool largeArc,
        bool sweep, const QPointF &to);

    // Zero radii give a straight line, coincident end points nothing; segments span at most 90°.
    void appendTo(QPainterPath &path) const;

private:
    QPointF m_from;
    double m_rx;
    double m_ry;
    double m_xAxisRotation; // degrees
    bool m_largeArc;
    bool m_sweep;
    QPointF m_to;
};
