#pragma once

#include "GraphicElement.h"
#include "PathCache.h"

#include "WatchedPathElement.h"

#include "PainterPathElement.h"

// Draws a path element tree: builds and caches its path, then triangulates it.
class PainterPathGraphics : public GraphicElement
{
    Q_OBJECT
    Q_PROPERTY(PainterPathElement *path READ path WRITE setPath NOTIFY pathChanged)
    // The built path, including matrixTransform.
    Q_PROPERTY(PathData pathData READ pathData NOTIFY pathDataChanged)
    Q_PROPERTY(Qt::FillRule fillRule READ fillRule WRITE setFillRule NOTIFY fillRuleChanged)
    Q_CLASSINFO("DefaultProperty", "path")
public:
    explicit PainterPathGraphics(QObject *parent = nullptr);

    PainterPathElement *path() const { return m_path; }
    void setPath(PainterPathElement *path);
    PathData pathData();
    Qt::FillRule fillRule() const { return m_cache.fillRule(); }
    void setFillRule(Qt::FillRule fillRule);

    QSGGeometry *geometry() override;
    void setMatrixTransform(const QMatrix4x4 &matrixTransform) override;
    QRectF bounds() override;
    using GraphicElement::hitTestPoint;
    using GraphicElement::hitTestPolygon;
    using GraphicElement::hitTestRect;
    bool hitTestPoint(const QPointF &point, double tolerance, const QTransform &t) override;
    bool hitTestRect(const QRectF &rect, const QTransform &t) override;
    bool hitTestPolygon(const PathData &polygon, const QTransform &t) override;

    const QPainterPath &cachedPath();

signals:
    void pathChanged();
    void pathDataChanged();
    void fillRuleChanged();

private slots:
    void pathInvalidated();

private:
    WatchedPathElement m_path;
    PathCache m_cache;
};
