#include "EllipsePath.h"

#include <QPainterPath>

EllipsePath::EllipsePath(QObject *parent)
    : BoxedPathBase(parent)
{ }

void EllipsePath::buildShape(QPainterPath &path, const QRectF &box)
{
    path.addEllipse(box);
}
