#include "PathCoordinates.h"

#include <cmath>

bool PathCoordinates::isValid(double value)
{
    return std::isfinite(value) && std::abs(value) < limit;
}

bool PathCoordinates::isValid(const QPointF &point)
{
    return isValid(point.x()) && isValid(point.y());
}
