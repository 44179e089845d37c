#include "SubtractionPath.h"

#include <QPainterPath>

SubtractionPath::SubtractionPath(QObject *parent)
    : SetOperationPath(parent)
{ }

QPainterPath SubtractionPath::combine(
    const QPainterPath &accumulated, const QPainterPath &next) const
{
    return accumulated.subtracted(next);
}
