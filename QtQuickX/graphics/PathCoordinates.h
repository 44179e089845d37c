#pragma once

#include <QPointF>

#include <cmath>

// The coordinate range QPainterPath accepts; points outside it are dropped by the path itself,
// so producers check first to keep their own idea of the current point in step.
class PathCoordinates
{
public:
    static constexpr double limit = 1e128;

    // False for infinities and NaN as well: neither compares below the limit.
    static bool isValid(double value) { return std::abs(value) < limit; }
    static bool isValid(const QPointF &point) { return isValid(point.x()) && isValid(point.y()); }
};
