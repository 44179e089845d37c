#include "PathHitTester.h"

#include <QPolygonF>

#include <cmath>

PathHitTester::PathHitTester(const QPainterPath &path, const QTransform &t)
    : m_path(path)
    , m_t(t)
    , m_inverse(t.inverted(&m_invertible))
{ }

bool PathHitTester::hitTestPoint(const QPointF &point, double tolerance) const
{
    // A transform that collapses the plane has no point to map back to.
    if (!m_invertible || m_path.isEmpty())
        return false;
    const double reach = std::abs(tolerance);
    if (reach < 0.0001)
        return m_path.contains(m_inverse.map(point));
    const QRectF square(point.x() - reach, point.y() - reach, 2 * reach, 2 * reach);
    return m_path.intersects(m_t.isIdentity() ? square : m_inverse.mapRect(square));
}

bool PathHitTester::hitTestRect(const QRectF &rect) const
{
    if (!m_invertible || m_path.isEmpty())
        return false;
    if (m_t.isIdentity())
        return m_path.intersects(rect);
    if (m_t.type() > QTransform::TxTranslate) {
        QPainterPath corners;
        corners.addPolygon(m_inverse.map(QPolygonF(rect)));
        corners.closeSubpath();
        return m_path.intersects(corners);
    }
    return m_path.intersects(m_inverse.mapRect(rect));
}

bool PathHitTester::hitTestPolygon(const QPainterPath &polygon) const
{
    if (!m_invertible || m_path.isEmpty())
        return false;
    return m_path.intersects(m_t.isIdentity() ? polygon : m_inverse.map(polygon));
}
