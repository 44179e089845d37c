#include "Rect.h"

bool Rect::isValid(const QRectF &rect) const
{
    return rect.width() > 0 && rect.height() > 0;
}

bool Rect::isNull(const QRectF &rect) const
{
    return rect.width() == 0 && rect.height() == 0;
}

bool Rect::isEmpty(const QRectF &rect) const
{
    return rect.width() <= 0 || rect.height() <= 0;
}

bool Rect::contains(const QRectF &rect, const QPointF &point) const
{
    return rect.contains(point);
}

bool Rect::contains(const QRectF &rect0, const QRectF &rect1) const
{
    return rect0.contains(rect1);
}

bool Rect::intersects(const QRectF &rect0, const QRectF &rect1) const
{
    return rect0.intersects(rect1);
}

QRectF Rect::intersected(const QRectF &rect0, const QRectF &rect1) const
{
    return rect0.intersected(rect1);
}

QRectF Rect::united(const QRectF &rect0, const QRectF &rect1) const
{
    return rect0.united(rect1);
}
