#include "BoxedPathBase.h"

#include "BuildContext.h"
#include "FuzzyCompare.h"

#include <QPainterPath>
#include <QTransform>
#include <QtMath>

BoxedPathBase::BoxedPathBase(QObject *parent)
    : PainterPathElement(parent)
{ }

void BoxedPathBase::setRect(const QRectF &rect)
{
    if (FuzzyCompare::equal(m_rect, rect))
        return;
    m_rect = rect;
    invalidate();
    emit rectChanged();
}

void BoxedPathBase::setRotation(double rotation)
{
    if (assign(m_rotation, rotation))
        emit rotationChanged();
}

void BoxedPathBase::buildPath(QPainterPath &path, BuildContext &context)
{
    const QRectF box = m_rect.normalized();
    if (m_rotation == 0.0) {
        buildShape(path, box);
        return;
    }
    QPainterPath shape = context.emptyPath();
    buildShape(shape, box);
    const QPointF centre = box.center();
    QTransform rotation;
    rotation.translate(centre.x(), centre.y());
    rotation.rotate(qRadiansToDegrees(m_rotation));
    rotation.translate(-centre.x(), -centre.y());
    path.addPath(rotation.map(shape));
}
