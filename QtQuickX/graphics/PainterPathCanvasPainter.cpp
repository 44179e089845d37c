#include "PainterPathCanvasPainter.h"

#include "CanvasPathEmitter.h"

PainterPathCanvasPainter::PainterPathCanvasPainter(QObject *parent)
    : QObject(parent)
{ }

void PainterPathCanvasPainter::setPath(PainterPathElement *path)
{
    if (!m_path.reset(path, this, &PainterPathCanvasPainter::pathInvalidated))
        return;
    m_cache.markDirty();
    emit pathChanged();
}

void PainterPathCanvasPainter::setFillRule(Qt::FillRule fillRule)
{
    if (m_cache.fillRule() == fillRule)
        return;
    m_cache.setFillRule(fillRule);
    m_cache.markDirty();
    emit fillRuleChanged();
}

void PainterPathCanvasPainter::paint(const QJSValue &context2d)
{
    CanvasPathEmitter(context2d).emitPath(m_cache.path(m_path));
}

void PainterPathCanvasPainter::pathInvalidated()
{
    m_cache.markDirty();
}
