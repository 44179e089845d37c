#include "UnionPath.h"

#include <QPainterPath>

UnionPath::UnionPath(QObject *parent)
    : SetOperationPath(parent)
{ }

QPainterPath UnionPath::combine(const QPainterPath &accumulated, const QPainterPath &next) const
{
    return accumulated.united(next);
}
