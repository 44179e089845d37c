#include "QmlObjectListModel.h"

QmlObjectListModel::QmlObjectListModel(QObject *parent)
    : ObjectListModel(parent)
{
    connect(this, &QAbstractItemModel::rowsInserted, this, &QmlObjectListModel::onRowsInserted);
}

QQmlListProperty<QObject> QmlObjectListModel::items()
{
    // Without replace and removeLast the engine replaces by clearing and appending again.
    return QQmlListProperty<QObject>(this, nullptr, &QmlObjectListModel::appendItem,
        &QmlObjectListModel::itemCount, &QmlObjectListModel::itemAt,
        &QmlObjectListModel::clearItems);
}

void QmlObjectListModel::onRowsInserted(const QModelIndex &, int first, int last)
{
    emit rowsInserted(first, last);
}

void QmlObjectListModel::appendItem(QQmlListProperty<QObject> *list, QObject *object)
{
    static_cast<QmlObjectListModel *>(list->object)->append(QVariant::fromValue(object));
}

int QmlObjectListModel::itemCount(QQmlListProperty<QObject> *list)
{
    return static_cast<QmlObjectListModel *>(list->object)->count();
}

QObject *QmlObjectListModel::itemAt(QQmlListProperty<QObject> *list, int index)
{
    return static_cast<QmlObjectListModel *>(list->object)->get(index);
}

void QmlObjectListModel::clearItems(QQmlListProperty<QObject> *list)
{
    static_cast<QmlObjectListModel *>(list->object)->clear();
}
