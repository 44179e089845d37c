#pragma once

class QQuickItem;

// Stacking order of sibling items.
namespace ItemStacking {

void bringToFront(QQuickItem *item);
void sendToBack(QQuickItem *item);
// Only between siblings: items of different parents keep their order.
void stackBefore(QQuickItem *item, QQuickItem *target);
void stackAfter(QQuickItem *item, QQuickItem *target);
QQuickItem *firstItem(QQuickItem *parent);
QQuickItem *lastItem(QQuickItem *parent);
bool isFrontItem(QQuickItem *item);
bool isBackItem(QQuickItem *item);

} // namespace ItemStacking
