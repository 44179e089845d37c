#include "SvgArc.h"

#include "PathCoordinates.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr double pi = 3.14159265358979323846;

bool isFinite(double value)
{
    return std::isfinite(value);
}
} // namespace

SvgArc::SvgArc(const QPointF &from, double rx, double ry, double xAxisRotation, bool largeArc,
    bool sweep, const QPointF &to)
    : m_from(from)
    , m_rx(rx)
    , m_ry(ry)
    , m_xAxisRotation(xAxisRotation)
    , m_largeArc(largeArc)
    , m_sweep(sweep)
    , m_to(to)
{ }

void SvgArc::appendTo(QPainterPath &path) const
{
    const double x1 = m_from.x(), y1 = m_from.y();
    const double x2 = m_to.x(), y2 = m_to.y();
    if (x1 == x2 && y1 == y2)
        return;
    double rx = std::abs(m_rx);
    double ry = std::abs(m_ry);
    if (rx == 0.0 || ry == 0.0) {
        path.lineTo(m_to);
        return;
    }

    const double phi = std::fmod(m_xAxisRotation, 360.0) * pi / 180.0;
    const double cosPhi = std::cos(phi);
    const double sinPhi = std::sin(phi);
    const double dx2 = (x1 - x2) / 2.0;
    const double dy2 = (y1 - y2) / 2.0;
    const double x1p = cosPhi * dx2 + sinPhi * dy2;
    const double y1p = -sinPhi * dx2 + cosPhi * dy2;

    // Radii too small to reach the end point are scaled up uniformly.
    const double lambda = (x1p * x1p) / (rx * rx) + (y1p * y1p) / (ry * ry);
    if (lambda > 1.0) {
        const double scale = std::sqrt(lambda);
        rx *= scale;
        ry *= scale;
    }
    const double rx2 = rx * rx, ry2 = ry * ry;
    const double numerator = rx2 * ry2 - rx2 * y1p * y1p - ry2 * x1p * x1p;
    const double denominator = rx2 * y1p * y1p + ry2 * x1p * x1p;
    double coefficient
        = denominator > 0.0 ? std::sqrt(std::max(0.0, numerator / denominator)) : 0.0;
    if (m_largeArc == m_sweep)
        coefficient = -coefficient;
    const double cxp = coefficient * rx * y1p / ry;
    const double cyp = -coefficient * ry * x1p / rx;
    const double cx = cosPhi * cxp - sinPhi * cyp + (x1 + x2) / 2.0;
    const double cy = sinPhi * cxp + cosPhi * cyp + (y1 + y2) / 2.0;

    const double startAngle = std::atan2((y1p - cyp) / ry, (x1p - cxp) / rx);
    double sweepAngle = std::atan2((-y1p - cyp) / ry, (-x1p - cxp) / rx) - startAngle;
    if (!m_sweep && sweepAngle > 0)
        sweepAngle -= 2 * pi;
    else if (m_sweep && sweepAngle < 0)
        sweepAngle += 2 * pi;

    // Overflowing input (radii near the double range) degrades to a straight line.
    if (!isFinite(cx) || !isFinite(cy) || !isFinite(rx) || !isFinite(ry) || !isFinite(startAngle)
        || !isFinite(sweepAngle)) {
        path.lineTo(m_to);
        return;
    }

    const int segments = std::clamp(int(std::ceil(std::abs(sweepAngle) / (pi / 2) - 1e-9)), 1, 4);
    const double step = sweepAngle / segments;
    const double handle = 4.0 / 3.0 * std::tan(step / 4.0);
    auto map = [&](double ux, double uy) {
        return QPointF(
            cx + rx * cosPhi * ux - ry * sinPhi * uy, cy + rx * sinPhi * ux + ry * cosPhi * uy);
    };
    // At most four quarter turns; every point is checked before any is added.
    std::array<QPointF, 12> points;
    double angle = startAngle;
    for (int i = 0; i < segments; ++i) {
        const bool last = i + 1 == segments;
        const double next = last ? startAngle + sweepAngle : angle + step;
        const double cosA = std::cos(angle), sinA = std::sin(angle);
        const double cosB = std::cos(next), sinB = std::sin(next);
        points[3 * i] = map(cosA - handle * sinA, sinA + handle * cosA);
        points[3 * i + 1] = map(cosB + handle * sinB, sinB - handle * cosB);
        points[3 * i + 2] = last ? m_to : map(cosB, sinB);
        angle = next;
    }
    const auto end = points.begin() + 3 * segments;
    if (!std::all_of(
            points.begin(), end, [](const QPointF &p) { return PathCoordinates::isValid(p); })) {
        path.lineTo(m_to);
        return;
    }
    for (auto p = points.begin(); p != end; p += 3)
        path.cubicTo(p[0], p[1], p[2]);
}
