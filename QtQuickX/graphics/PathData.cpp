#include "PathData.h"

#include <QDebug>
#include <QPolygonF>

PathData::PathData(const QPainterPath &path)
    : m_path(path)
{ }

double PathData::area() const
{
    const QPolygonF polygon = m_path.toFillPolygon(QTransform());
    if (polygon.size() <= 2)
        return 0.0;
    double sum = 0.0;
    for (int i = 1; i < polygon.size(); ++i) {
        const QPointF &previous = polygon.at(i - 1);
        const QPointF &current = polygon.at(i);
        sum += (current.y() + previous.y()) * (current.x() - previous.x());
    }
    return 0.5 * sum;
}

PathData PathData::mapped(const QMatrix4x4 &transform) const
{
    qInfo() << "PathData::mapped" << transform;
    return PathData(transform.toTransform().map(m_path));
}
