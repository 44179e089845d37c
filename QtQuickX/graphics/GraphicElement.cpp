#include "GraphicElement.h"

GraphicElement::GraphicElement(QObject *parent)
    : QObject(parent)
{ }

void GraphicElement::setMatrixTransform(const QMatrix4x4 &matrixTransform)
{
    if (m_matrixTransform == matrixTransform)
        return;
    m_matrixTransform = matrixTransform;
    emit matrixTransformChanged();
    emit itemChanged();
}

void GraphicElement::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit visibleChanged();
    emit itemChanged();
}

bool GraphicElement::hitTestPoint(const QPointF &, double, const QTransform &)
{
    return false;
}

bool GraphicElement::hitTestRect(const QRectF &, const QTransform &)
{
    return false;
}

bool GraphicElement::hitTestPolygon(const PathData &, const QTransform &)
{
    return false;
}

bool GraphicElement::hitTestPoint(const QPointF &point, double tolerance, const QMatrix4x4 &t)
{
    return hitTestPoint(point, tolerance, t.toTransform());
}

bool GraphicElement::hitTestRect(const QRectF &rect, const QMatrix4x4 &t)
{
    return hitTestRect(rect, t.toTransform());
}

bool GraphicElement::hitTestPolygon(const PathData &polygon, const QMatrix4x4 &t)
{
    return hitTestPolygon(polygon, t.toTransform());
}
