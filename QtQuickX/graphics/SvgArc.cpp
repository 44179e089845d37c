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

    // Rotations are mostly below a full turn, where the remainder is the value itself.
    const double degrees
        = std::abs(m_xAxisRotation) < 360.0 ? m_xAxisRotation : std::fmod(m_xAxisRotation, 360.0);
    double sinPhi = 0.0, cosPhi = 1.0;
    if (degrees != 0.0) {
        const double phi = degrees * (pi / 180.0);
        sinPhi = std::sin(phi);
        cosPhi = std::cos(phi);
    }
    const double dx2 = (x1 - x2) / 2.0;
    const double dy2 = (y1 - y2) / 2.0;
    // The start point relative to the chord's middle, in the frame where the ellipse is the unit
    // circle: divisions and square roots are few there.
    double startX = (cosPhi * dx2 + sinPhi * dy2) / rx;
    double startY = (-sinPhi * dx2 + cosPhi * dy2) / ry;
    const double lambda = startX * startX + startY * startY;
    double centreX = 0.0, centreY = 0.0;
    if (lambda > 1.0) {
        // Radii too small to reach the end point are scaled up uniformly: the chord becomes a
        // diameter.
        const double scale = std::sqrt(lambda);
        rx *= scale;
        ry *= scale;
        startX /= scale;
        startY /= scale;
    } else if (lambda > 0.0) {
        // The centre lies off the chord's middle, at a right angle to it.
        double offset = std::sqrt((1.0 - lambda) / lambda);
        if (m_largeArc == m_sweep)
            offset = -offset;
        centreX = offset * startY;
        centreY = -offset * startX;
    }
    const double cx = cosPhi * rx * centreX - sinPhi * ry * centreY + (x1 + x2) / 2.0;
    const double cy = sinPhi * rx * centreX + cosPhi * ry * centreY + (y1 + y2) / 2.0;

    // Unit-circle directions from the centre to the two end points, and the turn between them.
    const double ux = startX - centreX, uy = startY - centreY;
    const double vx = -startX - centreX, vy = -startY - centreY;
    double sweepAngle = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    if (!m_sweep && sweepAngle > 0)
        sweepAngle -= 2 * pi;
    else if (m_sweep && sweepAngle < 0)
        sweepAngle += 2 * pi;

    // Overflowing input (radii near the double range) degrades to a straight line, as does a
    // chord too short to give directions.
    if (!isFinite(cx) || !isFinite(cy) || !isFinite(rx) || !isFinite(ry) || !isFinite(ux)
        || !isFinite(uy) || !isFinite(sweepAngle) || lambda == 0.0) {
        path.lineTo(m_to);
        return;
    }

    static constexpr double segmentShare[] = { 1.0, 1.0 / 2, 1.0 / 3, 1.0 / 4 };
    const int segments = std::clamp(int(std::ceil(std::abs(sweepAngle) * (2 / pi) - 1e-9)), 1, 4);
    // Each segment from the half of its angle: 4/3 tan(step / 4) is the handle length, and
    // tan(x / 2) = sin x / (1 + cos x).
    const double half = sweepAngle * segmentShare[segments - 1] / 2;
    const double sinHalf = std::sin(half), cosHalf = std::cos(half);
    const double cosStep = (cosHalf - sinHalf) * (cosHalf + sinHalf);
    const double sinStep = 2 * sinHalf * cosHalf;
    const double handle = 4.0 / 3.0 * sinHalf / (1.0 + cosHalf);
    const double xx = rx * cosPhi, xy = -ry * sinPhi, yx = rx * sinPhi, yy = ry * cosPhi;
    auto map = [&](double x, double y) {
        return QPointF(cx + xx * x + xy * y, cy + yx * x + yy * y);
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
