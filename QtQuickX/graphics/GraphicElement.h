#pragma once

#include "PathData.h"

#include <QMatrix4x4>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QTransform>

class QSGGeometry;

// Something a GraphicItem draws: supplies triangles, bounds and hit tests.
class GraphicElement : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QMatrix4x4 matrixTransform READ matrixTransform WRITE setMatrixTransform NOTIFY
            matrixTransformChanged)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)
public:
    explicit GraphicElement(QObject *parent = nullptr);

    // A new triangle geometry owned by the caller, or null when there is nothing to draw.
    virtual QSGGeometry *geometry() = 0;
    virtual QMatrix4x4 matrixTransform() const { return m_matrixTransform; }
    virtual void setMatrixTransform(const QMatrix4x4 &matrixTransform);
    virtual QRectF bounds() = 0;
    virtual bool isVisible() const { return m_visible; }
    virtual void setVisible(bool visible);

    // The transform t maps element coordinates to the coordinates of the query.
    Q_INVOKABLE virtual bool hitTestPoint(
        const QPointF &point, double tolerance, const QTransform &t);
    Q_INVOKABLE virtual bool hitTestRect(const QRectF &rect, const QTransform &t);
    Q_INVOKABLE virtual bool hitTestPolygon(const PathData &polygon, const QTransform &t);

    // The same with the transform as QML writes it (Qt.matrix4x4).
    Q_INVOKABLE bool hitTestPoint(const QPointF &point, double tolerance, const QMatrix4x4 &t);
    Q_INVOKABLE bool hitTestRect(const QRectF &rect, const QMatrix4x4 &t);
    Q_INVOKABLE bool hitTestPolygon(const PathData &polygon, const QMatrix4x4 &t);

signals:
    // Geometry, transform or visibility changed.
    void itemChanged();
    void matrixTransformChanged();
    void visibleChanged();

private:
    QMatrix4x4 m_matrixTransform;
    bool m_visible = true;
};
