#include "PainterPathGraphics.h"

#include "PainterPathElement.h"
#include "PathHitTester.h"
#include "PathTriangulator.h"

#include <QDebug>

PainterPathGraphics::PainterPathGraphics(QObject *parent)
    : GraphicElement(parent)
{ }

void PainterPathGraphics::setPath(PainterPathElement *path)
{
    if (!m_path.reset(path, this, &PainterPathGraphics::pathInvalidated))
        return;
    emit pathChanged();
    pathInvalidated();
}

PathData PainterPathGraphics::pathData()
{
    return PathData(cachedPath());
}

void PainterPathGraphics::setFillRule(Qt::FillRule fillRule)
{
    if (m_cache.fillRule() == fillRule)
        return;
    m_cache.setFillRule(fillRule);
    emit fillRuleChanged();
    pathInvalidated();
}

QSGGeometry *PainterPathGraphics::geometry()
{
    const QPainterPath &path = cachedPath();
    if (path.isEmpty()) {
        qWarning() << "QPainterPath is empty";
        return nullptr;
    }
    return PathTriangulator::triangulate(path);
}

void PainterPathGraphics::setMatrixTransform(const QMatrix4x4 &matrixTransform)
{
    if (matrixTransform == this->matrixTransform())
        return;
    m_cache.markDirty();
    emit pathDataChanged();
    GraphicElement::setMatrixTransform(matrixTransform);
}

QRectF PainterPathGraphics::bounds()
{
    cachedPath();
    return m_cache.bounds();
}

bool PainterPathGraphics::hitTestPoint(const QPointF &point, double tolerance, const QTransform &t)
{
    return PathHitTester(cachedPath(), t).hitTestPoint(point, tolerance);
}

bool PainterPathGraphics::hitTestRect(const QRectF &rect, const QTransform &t)
{
    return PathHitTester(cachedPath(), t).hitTestRect(rect);
}

bool PainterPathGraphics::hitTestPolygon(const PathData &polygon, const QTransform &t)
{
    return PathHitTester(cachedPath(), t).hitTestPolygon(polygon.path());
}

const QPainterPath &PainterPathGraphics::cachedPath()
{
    return m_cache.path(m_path, matrixTransform());
}

void PainterPathGraphics::pathInvalidated()
{
    m_cache.markDirty();
    emit pathDataChanged();
    emit itemChanged();
}
