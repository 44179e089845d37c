#include "RectanglePath.h"

#include <QPainterPath>

RectanglePath::RectanglePath(QObject *parent)
    : BoxedPathBase(parent)
{ }

void RectanglePath::setRadius(double radius)
{
    if (assign(m_radius, radius))
        emit radiusChanged();
}

void RectanglePath::buildShape(QPainterPath &path, const QRectF &box)
{
    path.addRoundedRect(box, m_radius, m_radius);
}
