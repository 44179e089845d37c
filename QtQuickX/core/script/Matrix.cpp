#include "Matrix.h"

#include <QQuickItem>

QMatrix4x4 Matrix::of(float ax, float ay, float tx, float ty, float sx, float sy, float angle) const
{
    QMatrix4x4 matrix;
    matrix.translate(tx, ty);
    matrix.translate(ax, ay);
    matrix.rotate(angle, 0, 0, 1);
    matrix.scale(sx, sy);
    matrix.translate(-ax, -ay);
    return matrix;
}

QMatrix4x4 Matrix::of(float ax, float ay, float tx, float ty, float sx, float sy) const
{
    return of(ax, ay, tx, ty, sx, sy, 0);
}

QMatrix4x4 Matrix::of(float ax, float ay, float tx, float ty, float sx) const
{
    return of(ax, ay, tx, ty, sx, 1);
}

QMatrix4x4 Matrix::of(float ax, float ay, float tx, float ty) const
{
    return of(ax, ay, tx, ty, 1);
}

QMatrix4x4 Matrix::of(float ax, float ay, float tx) const
{
    return of(ax, ay, tx, 0);
}

QMatrix4x4 Matrix::of(float ax, float ay) const
{
    return of(ax, ay, 0);
}

QMatrix4x4 Matrix::of(float ax) const
{
    return of(ax, 0);
}

QMatrix4x4 Matrix::of() const
{
    return of(0.0f);
}

QMatrix4x4 Matrix::of(const QVariant &transform) const
{
    switch (transform.userType()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
        return of(transform.toFloat());
    default:
        break;
    }
    QMatrix4x4 matrix;
    if (transform.canConvert<QVariantList>() && transform.userType() != QMetaType::QObjectStar) {
        const QVariantList transforms = transform.toList();
        for (const QVariant &item : transforms)
            applyTransform(item.value<QObject *>(), &matrix);
    } else {
        applyTransform(transform.value<QObject *>(), &matrix);
    }
    return matrix;
}

QPointF Matrix::map(const QMatrix4x4 &matrix, const QPointF &point) const
{
    return matrix.map(point);
}

QMatrix4x4 Matrix::translated(const QMatrix4x4 &m, float x, float y) const
{
    QMatrix4x4 result = m;
    result.translate(x, y);
    return result;
}

QMatrix4x4 Matrix::scaled(const QMatrix4x4 &m, float x, float y) const
{
    QMatrix4x4 result = m;
    result.scale(x, y);
    return result;
}

QMatrix4x4 Matrix::rotated(const QMatrix4x4 &m, float angle, float x, float y) const
{
    QMatrix4x4 result = m;
    result.rotate(angle, x, y, 0);
    return result;
}

QMatrix4x4 Matrix::multiply(const QMatrix4x4 &a, const QMatrix4x4 &b) const
{
    return a * b;
}

void Matrix::applyTransform(QObject *transform, QMatrix4x4 *matrix)
{
    if (auto *quickTransform = qobject_cast<QQuickTransform *>(transform))
        quickTransform->applyTo(matrix);
}
