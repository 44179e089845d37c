#include "ItemStacking.h"

#include <QQuickItem>

namespace ItemStacking {

namespace {

QQuickItem *frontSibling(QQuickItem *item)
{
    return item && item->parentItem() ? lastItem(item->parentItem()) : nullptr;
}

QQuickItem *backSibling(QQuickItem *item)
{
    return item && item->parentItem() ? firstItem(item->parentItem()) : nullptr;
}

bool areSiblings(QQuickItem *item, QQuickItem *target)
{
    return item && target && item != target && item->parentItem()
        && item->parentItem() == target->parentItem();
}

} // namespace

void bringToFront(QQuickItem *item)
{
    QQuickItem *front = frontSibling(item);
    if (front && front != item)
        item->stackAfter(front);
}

void sendToBack(QQuickItem *item)
{
    QQuickItem *back = backSibling(item);
    if (back && back != item)
        item->stackBefore(back);
}

void stackBefore(QQuickItem *item, QQuickItem *target)
{
    if (areSiblings(item, target))
        item->stackBefore(target);
}

void stackAfter(QQuickItem *item, QQuickItem *target)
{
    if (areSiblings(item, target))
        item->stackAfter(target);
}

QQuickItem *firstItem(QQuickItem *parent)
{
    if (!parent)
        return nullptr;
    const QList<QQuickItem *> children = parent->childItems();
    return children.isEmpty() ? nullptr : children.first();
}

QQuickItem *lastItem(QQuickItem *parent)
{
    if (!parent)
        return nullptr;
    const QList<QQuickItem *> children = parent->childItems();
    return children.isEmpty() ? nullptr : children.last();
}

bool isFrontItem(QQuickItem *item)
{
    return item && frontSibling(item) == item;
}

bool isBackItem(QQuickItem *item)
{
    return item && backSibling(item) == item;
}

} // namespace ItemStacking
