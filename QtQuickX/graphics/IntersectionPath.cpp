#include "IntersectionPath.h"

#include <QPainterPath>

IntersectionPath::IntersectionPath(QObject *parent)
    : SetOperationPath(parent)
{ }

QPainterPath IntersectionPath::combine(
    const QPainterPath &accumulated, const QPainterPath &next) const
{
    return accumulated.intersected(next);
}
