#pragma once

#include <QPainterPath>
#include <QTransform>

// Hit tests against a path whose coordinates t maps to the coordinates of the queries.
class PathHitTester
{
public:
    PathHitTester(const QPainterPath &path, const QTransform &t);

    // With a tolerance, a square of side 2 * tolerance around point is tested.
    bool hitTestPoint(const QPointF &point, double tolerance) const;
    bool hitTestRect(const QRectF &rect) const;
    bool hitTestPolygon(const QPainterPath &polygon) const;

private:
    const QPainterPath &m_path;
    QTransform m_t;
    QTransform m_inverse;
    bool m_invertible = true;
};
