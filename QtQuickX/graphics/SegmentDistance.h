#pragma once

#include <QPointF>

// Squared distances of a point to a segment, an infinite line and a ray, as the simplification
// algorithms compare them. The projection factor is computed in single precision.
class SegmentDistance
{
public:
    static double squared(const QPointF &p, const QPointF &q)
    {
        const double dx = p.x() - q.x(), dy = p.y() - q.y();
        return dx * dx + dy * dy;
    }

    // To the segment a-b.
    static double toSegment(const QPointF &p, const QPointF &a, const QPointF &b)
    {
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double dot = (p.x() - a.x()) * dx + (p.y() - a.y()) * dy;
        if (dot <= 0)
            return squared(p, a);
        const double length = dx * dx + dy * dy;
        if (dot >= length)
            return squared(p, b);
        return toProjection(p, a, dx, dy, factor(dot, length));
    }

    // To the infinite line through a and b.
    static double toLine(const QPointF &p, const QPointF &a, const QPointF &b)
    {
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double dot = (p.x() - a.x()) * dx + (p.y() - a.y()) * dy;
        return toProjection(p, a, dx, dy, factor(dot, dx * dx + dy * dy));
    }

    // To the ray from a through b.
    static double toRay(const QPointF &p, const QPointF &a, const QPointF &b)
    {
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double dot = (p.x() - a.x()) * dx + (p.y() - a.y()) * dy;
        if (dot <= 0)
            return squared(p, a);
        return toProjection(p, a, dx, dy, factor(dot, dx * dx + dy * dy));
    }

private:
    static double factor(double dot, double length)
    {
        return length == 0 ? 0.0 : double(float(dot) / float(length));
    }

    static double toProjection(const QPointF &p, const QPointF &a, double dx, double dy, double t)
    {
        const double x = a.x() + t * dx - p.x(), y = a.y() + t * dy - p.y();
        return x * x + y * y;
    }
};
