#pragma once

#include "PainterPathElement.h"
#include "PathCache.h"

#include "WatchedPathElement.h"
#include <QJSValue>
#include <QObject>

// Paints a path element tree onto a QML Canvas 2D context instead of the scene graph.
class PainterPathCanvasPainter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(PainterPathElement *path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(Qt::FillRule fillRule READ fillRule WRITE setFillRule NOTIFY fillRuleChanged)
    Q_CLASSINFO("DefaultProperty", "path")
public:
    explicit PainterPathCanvasPainter(QObject *parent = nullptr);

    PainterPathElement *path() const { return m_path; }
    void setPath(PainterPathElement *path);
    Qt::FillRule fillRule() const { return m_cache.fillRule(); }
    void setFillRule(Qt::FillRule fillRule);

    // Adds the path to the context's current path; the caller begins, fills and strokes.
    Q_INVOKABLE void paint(const QJSValue &context2d);

signals:
    void pathChanged();
    void fillRuleChanged();

private slots:
    void pathInvalidated();

private:
    WatchedPathElement m_path;
    PathCache m_cache;
};
