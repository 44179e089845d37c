#pragma once

#include <QMatrix4x4>
#include <QPainterPath>
#include <QRectF>

class PainterPathElement;

// The built path of an element tree, rebuilt only after it was marked dirty.
class PathCache
{
public:
    Qt::FillRule fillRule() const { return m_fillRule; }
    void setFillRule(Qt::FillRule fillRule) { m_fillRule = fillRule; }
    bool isDirty() const { return m_dirty; }
    void markDirty() { m_dirty = true; }

    // Builds the tree (then re-arms its invalidation) when dirty; maps by transform if not
    // identity.
    const QPainterPath &path(PainterPathElement *root, const QMatrix4x4 &transform = QMatrix4x4());
    QRectF bounds() const { return m_bounds; }

private:
    Qt::FillRule m_fillRule = Qt::WindingFill;
    bool m_dirty = true;
    QPainterPath m_path;
    QRectF m_bounds;
};
