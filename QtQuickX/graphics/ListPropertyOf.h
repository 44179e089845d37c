#pragma once

#include <QQmlListProperty>

// A QML list property that forwards to the owner's append, count, at and clear members.
template<typename T, typename Owner, void (Owner::*append)(T *), int (Owner::*count)() const,
    T *(Owner::*at)(int) const, void (Owner::*clear)()>
QQmlListProperty<T> listPropertyOf(Owner *owner)
{
    return QQmlListProperty<T>(
        owner, nullptr,
        [](QQmlListProperty<T> *list, T *item) {
            (static_cast<Owner *>(list->object)->*append)(item);
        },
        [](QQmlListProperty<T> *list) { return (static_cast<Owner *>(list->object)->*count)(); },
        [](QQmlListProperty<T> *list, int index) {
            return (static_cast<Owner *>(list->object)->*at)(index);
        },
        [](QQmlListProperty<T> *list) { (static_cast<Owner *>(list->object)->*clear)(); });
}
