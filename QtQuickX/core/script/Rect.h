#pragma once

#include <QObject>
#include <QRectF>

// Rectangle predicates and set operations for QML.
class Rect : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE bool isValid(const QRectF &rect) const;
    Q_INVOKABLE bool isNull(const QRectF &rect) const;
    Q_INVOKABLE bool isEmpty(const QRectF &rect) const;
    Q_INVOKABLE bool contains(const QRectF &rect, const QPointF &point) const;
    Q_INVOKABLE bool contains(const QRectF &rect0, const QRectF &rect1) const;
    Q_INVOKABLE bool intersects(const QRectF &rect0, const QRectF &rect1) const;
    Q_INVOKABLE QRectF intersected(const QRectF &rect0, const QRectF &rect1) const;
    Q_INVOKABLE QRectF united(const QRectF &rect0, const QRectF &rect1) const;
};
