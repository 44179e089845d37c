#pragma once

#include <QPolygonF>

class PolygonBuffer;

// Published polyline simplification algorithms. Each keeps the first and the last point and
// copies its input when it has fewer than three points or the tolerance is 0. Tolerances are
// distances in path units.
class PolylineSimplifier
{
public:
    // Every n-th point (n at least 2) and the last one.
    static QPolygonF nthPoint(const QPolygonF &points, int n);
    static QPolygonF radialDistance(const QPolygonF &points, double tolerance);
    // Up to `repeats` passes, stopping early when a pass removes nothing.
    static QPolygonF perpendicularDistance(const QPolygonF &points, double tolerance, int repeats);
    // With breakOnTurns, points where the line turns by more than 90 degrees are kept as well.
    static QPolygonF reumannWitkam(const QPolygonF &points, double tolerance, bool breakOnTurns);
    static QPolygonF opheim(const QPolygonF &points, double minTolerance, double maxTolerance);
    // Radial-distance pre-pass, then Douglas-Peucker.
    static QPolygonF douglasPeucker(const QPolygonF &points, double tolerance);
    // Keeps the `count` most significant points.
    static QPolygonF douglasPeuckerN(const QPolygonF &points, int count);

private:
    // Append to out.
    static void radialDistance(
        const QPointF *in, int n, double squaredTolerance, PolygonBuffer &out);
    static void perpendicularPass(
        const QPointF *in, int n, double squaredTolerance, PolygonBuffer &out);
    static QPolygonF douglasPeucker(const QPointF *in, int n, double squaredTolerance);
};
