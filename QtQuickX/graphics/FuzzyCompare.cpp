#include "FuzzyCompare.h"

#include <algorithm>
#include <cmath>

bool FuzzyCompare::equal(double a, double b)
{
    const double difference = std::abs(a - b);
    if (a == 0.0 || b == 0.0)
        return difference <= tolerance;
    return difference <= tolerance * std::max(std::abs(a), std::abs(b));
}

bool FuzzyCompare::equal(const QRectF &a, const QRectF &b)
{
    return equal(a.x(), b.x()) && equal(a.y(), b.y()) && equal(a.width(), b.width())
        && equal(a.height(), b.height());
}
