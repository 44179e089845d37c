#include "StrokePathElem.h"

#include <QPainterPath>
#include <QPainterPathStroker>

#include <cmath>

StrokePathElem::StrokePathElem(QObject *parent)
    : GroupPath(parent)
{ }

void StrokePathElem::setStrokeWeight(double strokeWeight)
{
    if (assign(m_strokeWeight, strokeWeight))
        emit strokeChanged();
}

void StrokePathElem::setCapStyle(Qt::PenCapStyle capStyle)
{
    if (assign(m_capStyle, capStyle))
        emit strokeChanged();
}

void StrokePathElem::setJoinStyle(Qt::PenJoinStyle joinStyle)
{
    if (assign(m_joinStyle, joinStyle))
        emit strokeChanged();
}

void StrokePathElem::setDashPattern(Qt::PenStyle dashPattern)
{
    if (assign(m_dashPattern, dashPattern))
        emit strokeChanged();
}

void StrokePathElem::setDashPatternArray(const QVector<qreal> &dashPatternArray)
{
    if (assign(m_dashPatternArray, dashPatternArray))
        emit strokeChanged();
}

void StrokePathElem::setDashOffset(double dashOffset)
{
    if (assign(m_dashOffset, dashOffset))
        emit strokeChanged();
}

void StrokePathElem::buildPath(QPainterPath &path, BuildContext &context)
{
    // A negative or non-finite width has no outline; the stroker would assert or misbehave.
    if (!(m_strokeWeight > 0.0) || !std::isfinite(m_strokeWeight) || children().isEmpty())
        return;
    QPainterPathStroker stroker;
    stroker.setWidth(m_strokeWeight);
    stroker.setCapStyle(m_capStyle);
    stroker.setJoinStyle(m_joinStyle);
    stroker.setDashOffset(m_dashOffset);
    if (hasUsableDashArray())
        stroker.setDashPattern(m_dashPatternArray);
    else
        stroker.setDashPattern(m_dashPattern);
    path.addPath(stroker.createStroke(buildChildren(context)));
}

bool StrokePathElem::hasUsableDashArray() const
{
    // A pattern of zero total length would never advance along the path.
    double total = 0.0;
    for (qreal length : m_dashPatternArray) {
        if (!(length >= 0.0) || !std::isfinite(length))
            return false;
        total += length;
    }
    return total > 0.0;
}
