#pragma once

#include "ObjectListModel.h"

#include <QQmlListProperty>

// The QML face of ObjectListModel: objects declared inside it become its rows.
class QmlObjectListModel : public ObjectListModel
{
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<QObject> items READ items NOTIFY itemsChanged)
    Q_CLASSINFO("DefaultProperty", "items")
public:
    explicit QmlObjectListModel(QObject *parent = nullptr);

    QQmlListProperty<QObject> items();

signals:
    void itemsChanged();
    void rowsInserted(int first, int last);

private slots:
    void onRowsInserted(const QModelIndex &parent, int first, int last);

private:
    static void appendItem(QQmlListProperty<QObject> *list, QObject *object);
    static int itemCount(QQmlListProperty<QObject> *list);
    static QObject *itemAt(QQmlListProperty<QObject> *list, int index);
    static void clearItems(QQmlListProperty<QObject> *list);
};
