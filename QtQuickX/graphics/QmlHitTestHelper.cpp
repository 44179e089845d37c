#include "QmlHitTestHelper.h"

#include "PathHitTester.h"

#include <QJSValue>
#include <QPainterPath>
#include <QPolygonF>
#include <QVariantList>
#include <QVariantMap>

namespace {
bool toPoint(const QVariant &value, QPointF &point)
{
    if (value.userType() == QMetaType::QVariantMap) {
        const QVariantMap map = value.toMap();
        if (!map.contains(QStringLiteral("x")) || !map.contains(QStringLiteral("y")))
            return false;
        point = QPointF(
            map.value(QStringLiteral("x")).toDouble(), map.value(QStringLiteral("y")).toDouble());
        return true;
    }
    if (!value.canConvert<QPointF>())
        return false;
    point = value.toPointF();
    return true;
}
} // namespace

QmlHitTestHelper::QmlHitTestHelper(QObject *parent)
    : QObject(parent)
{ }

bool QmlHitTestHelper::hitTestPoint(
    const QVariant &obj, const QPointF &point, double tolerance, const QTransform &t) const
{
    QPainterPath path;
    return polygonPath(obj, path) && PathHitTester(path, t).hitTestPoint(point, tolerance);
}

bool QmlHitTestHelper::hitTestRect(
    const QVariant &obj, const QRectF &rect, const QTransform &t) const
{
    QPainterPath path;
    return polygonPath(obj, path) && PathHitTester(path, t).hitTestRect(rect);
}

bool QmlHitTestHelper::hitTestPolygon(
    const QVariant &obj, const PathData &polygon, const QTransform &t) const
{
    QPainterPath path;
    return polygonPath(obj, path) && PathHitTester(path, t).hitTestPolygon(polygon.path());
}

bool QmlHitTestHelper::hitTestPoint(
    const QVariant &obj, const QPointF &point, double tolerance, const QMatrix4x4 &t) const
{
    return hitTestPoint(obj, point, tolerance, t.toTransform());
}

bool QmlHitTestHelper::hitTestRect(
    const QVariant &obj, const QRectF &rect, const QMatrix4x4 &t) const
{
    return hitTestRect(obj, rect, t.toTransform());
}

bool QmlHitTestHelper::hitTestPolygon(
    const QVariant &obj, const PathData &polygon, const QMatrix4x4 &t) const
{
    return hitTestPolygon(obj, polygon, t.toTransform());
}

bool QmlHitTestHelper::polygonPath(const QVariant &obj, QPainterPath &path)
{
    QVariant list = obj;
    if (list.userType() == qMetaTypeId<QJSValue>())
        list = list.value<QJSValue>().toVariant();
    if (list.userType() != QMetaType::QVariantList)
        return false;
    QPolygonF polygon;
    const QVariantList items = list.toList();
    for (const QVariant &item : items) {
        QPointF point;
        if (!toPoint(item, point))
            return false;
        polygon.append(point);
    }
    path.addPolygon(polygon);
    path.closeSubpath();
    return true;
}
