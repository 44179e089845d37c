#pragma once

#include "PathData.h"

#include <QMatrix4x4>
#include <QObject>
#include <QTransform>
#include <QVariant>

class QPainterPath;

// Hit tests against a plain list of points taken as a closed polygon.
class QmlHitTestHelper : public QObject
{
    Q_OBJECT
public:
    explicit QmlHitTestHelper(QObject *parent = nullptr);

    // obj must be a list of points ({x, y} objects or points); anything else answers false.
    Q_INVOKABLE bool hitTestPoint(const QVariant &obj, const QPointF &point, double tolerance,
        const QTransform &t = QTransform()) const;
    Q_INVOKABLE bool hitTestRect(
        const QVariant &obj, const QRectF &rect, const QTransform &t = QTransform()) const;
    Q_INVOKABLE bool hitTestPolygon(
        const QVariant &obj, const PathData &polygon, const QTransform &t = QTransform()) const;

    // The same with the transform as QML writes it (Qt.matrix4x4).
    Q_INVOKABLE bool hitTestPoint(
        const QVariant &obj, const QPointF &point, double tolerance, const QMatrix4x4 &t) const;
    Q_INVOKABLE bool hitTestRect(
        const QVariant &obj, const QRectF &rect, const QMatrix4x4 &t) const;
    Q_INVOKABLE bool hitTestPolygon(
        const QVariant &obj, const PathData &polygon, const QMatrix4x4 &t) const;

private:
    static bool polygonPath(const QVariant &obj, QPainterPath &path);
};
