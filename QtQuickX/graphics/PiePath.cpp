#include "PiePath.h"

#include <QPainterPath>

PiePath::PiePath(QObject *parent)
    : BoxedPathBase(parent)
{ }

void PiePath::setStartAngle(double startAngle)
{
    if (assign(m_startAngle, startAngle))
        emit startAngleChanged();
}

void PiePath::setEndAngle(double endAngle)
{
    if (assign(m_endAngle, endAngle))
        emit endAngleChanged();
}

void PiePath::buildShape(QPainterPath &path, const QRectF &box)
{
    path.moveTo(box.center());
    path.arcTo(box, m_startAngle, m_endAngle - m_startAngle);
    path.closeSubpath();
}
