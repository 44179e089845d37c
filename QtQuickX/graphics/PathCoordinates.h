#pragma once

#include <QPointF>

// The coordinate range QPainterPath accepts; points outside it are dropped by the path itself,
// so producers check first to keep their own idea of the current point in step.
class PathCoordinates
{
public:
    static constexpr double limit = 1e128;

    static bool isValid(double value);
    static bool isValid(const QPointF &point);
};
