#pragma once

#include <QRectF>

// Value comparison used by the path element setters: relative for coordinates, absolute near 0.
class FuzzyCompare
{
public:
    static constexpr double tolerance = 1e-12;

    static bool equal(double a, double b);
    static bool equal(const QRectF &a, const QRectF &b);
};
