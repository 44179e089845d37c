#pragma once

#include <QMatrix4x4>
#include <QObject>
#include <QPointF>
#include <QVariant>

// 4x4 transform arithmetic for QML; angles in degrees, omitted arguments are 0.
class Matrix : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The product of Qt Quick Transform objects (one, or a list applied in order); a number
    // is the anchor's x, as of(ax). One overload takes both, so scripts reach it either way.
    Q_INVOKABLE QMatrix4x4 of(const QVariant &transform) const;
    // Scale and rotate about the anchor (ax, ay), then move by (tx, ty).
    Q_INVOKABLE QMatrix4x4 of(
        float ax, float ay, float tx, float ty, float sx, float sy, float angle) const;
    Q_INVOKABLE QMatrix4x4 of(float ax, float ay, float tx, float ty, float sx, float sy) const;
    Q_INVOKABLE QMatrix4x4 of(float ax, float ay, float tx, float ty, float sx) const;
    Q_INVOKABLE QMatrix4x4 of(float ax, float ay, float tx, float ty) const;
    Q_INVOKABLE QMatrix4x4 of(float ax, float ay, float tx) const;
    Q_INVOKABLE QMatrix4x4 of(float ax, float ay) const;
    QMatrix4x4 of(float ax) const;
    Q_INVOKABLE QMatrix4x4 of() const;

    Q_INVOKABLE QPointF map(const QMatrix4x4 &matrix, const QPointF &point) const;
    Q_INVOKABLE QMatrix4x4 translated(const QMatrix4x4 &m, float x = 0, float y = 0) const;
    Q_INVOKABLE QMatrix4x4 scaled(const QMatrix4x4 &m, float x = 0, float y = 0) const;
    Q_INVOKABLE QMatrix4x4 rotated(
        const QMatrix4x4 &m, float angle = 0, float x = 0, float y = 0) const;
    Q_INVOKABLE QMatrix4x4 inverted(const QMatrix4x4 &m) const { return m.inverted(); }
    Q_INVOKABLE QMatrix4x4 multiply(const QMatrix4x4 &a, const QMatrix4x4 &b) const;
    Q_INVOKABLE QMatrix4x4 identity() const { return QMatrix4x4(); }

private:
    static void applyTransform(QObject *transform, QMatrix4x4 *matrix);
};
