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
    const double cosPhi = phi == 0.0 ? 1.0 : std::cos(phi);
    const double sinPhi = phi == 0.0 ? 0.0 : std::sin(phi);
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

    // Unit-circle directions from the centre to the two end points, and the turn between them.
    double ux = (x1p - cxp) / rx, uy = (y1p - cyp) / ry;
    const double vx = (-x1p - cxp) / rx, vy = (-y1p - cyp) / ry;
    const double norm = std::sqrt(ux * ux + uy * uy); // close to 1: no overflow to guard
    ux /= norm;
    uy /= norm;
    double sweepAngle = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    if (!m_sweep && sweepAngle > 0)
        sweepAngle -= 2 * pi;
    else if (m_sweep && sweepAngle < 0)
        sweepAngle += 2 * pi;

    // Overflowing input (radii near the double range) degrades to a straight line.
    if (!isFinite(cx) || !isFinite(cy) || !isFinite(rx) || !isFinite(ry) || !isFinite(ux)
        || !isFinite(uy) || !isFinite(sweepAngle)) {
        path.lineTo(m_to);
        return;
    }

    const int segments = std::clamp(int(std::ceil(std::abs(sweepAngle) / (pi / 2) - 1e-9)), 1, 4);
    const double step = sweepAngle / segments;
    const double cosStep = std::cos(step), sinStep = std::sin(step);
    // 4/3 tan(step / 4) from the half angle: tan(x / 2) = sin x / (1 + cos x), with
    // cos(step / 2) = sqrt((1 + cos step) / 2); |step| is at most 90 degrees.
    const double cosHalf = std::sqrt((1.0 + cosStep) / 2.0);
    const double sinHalf = std::copysign(std::sqrt(std::max(0.0, (1.0 - cosStep) / 2.0)), step);
    const double handle = 4.0 / 3.0 * sinHalf / (1.0 + cosHalf);
    auto map = [&](double x, double y) {
        return QPointF(
            cx + rx * cosPhi * x - ry * sinPhi * y, cy + rx * sinPhi * x + ry * cosPhi * y);
    };
    // At most four quarter turns, each the previous one rotated by the step; every point is
    // checked before any is added.
    std::array<QPointF, 12> points;
    double cosA = ux, sinA = uy;
    for (int i = 0; i < segments; ++i) {
        const bool last = i + 1 == segments;
        const double cosB = cosA * cosStep - sinA * sinStep;
        const double sinB = sinA * cosStep + cosA * sinStep;
        points[3 * i] = map(cosA - handle * sinA, sinA + handle * cosA);
        points[3 * i + 1] = map(cosB + handle * sinB, sinB - handle * cosB);
        points[3 * i + 2] = last ? m_to : map(cosB, sinB);
        cosA = cosB;
        sinA = sinB;
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
