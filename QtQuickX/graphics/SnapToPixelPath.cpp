#include "SnapToPixelPath.h"

#include <QPainterPath>

#include <cmath>

namespace {
QPointF rounded(const QPointF &point)
{
    return QPointF(std::round(point.x()), std::round(point.y()));
}
} // namespace

SnapToPixelPath::SnapToPixelPath(QObject *parent)
    : GroupPath(parent)
{ }

void SnapToPixelPath::buildPath(QPainterPath &path, BuildContext &context)
{
    path += snapped(buildChildren(context));
}

QPainterPath SnapToPixelPath::snapped(const QPainterPath &path)
{
    QPainterPath result = path;
    QPointF shift;
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo() || element.isLineTo()) {
            const QPointF snappedPoint = rounded(element);
            shift = snappedPoint - QPointF(element);
            result.setElementPositionAt(i, snappedPoint.x(), snappedPoint.y());
            continue;
        }
        if (!element.isCurveTo() || i + 2 >= count)
            continue;
        const QPointF first = QPointF(element) + shift;
        const QPointF end = path.elementAt(i + 2);
        const QPointF snappedEnd = rounded(end);
        shift = snappedEnd - end;
        const QPointF second = QPointF(path.elementAt(i + 1)) + shift;
        result.setElementPositionAt(i, first.x(), first.y());
        result.setElementPositionAt(i + 1, second.x(), second.y());
        result.setElementPositionAt(i + 2, snappedEnd.x(), snappedEnd.y());
        i += 2;
    }
    return result;
}
