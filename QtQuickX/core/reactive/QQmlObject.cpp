#include "QQmlObject.h"

QQmlObject::QQmlObject(QObject *parent)
    : QObject(parent)
{ }

QQmlListProperty<QObject> QQmlObject::data()
{
    return QQmlListProperty<QObject>(this, &m_data, &QQmlObject::appendData, &QQmlObject::dataCount,
        &QQmlObject::dataAt, &QQmlObject::clearData);
}

void QQmlObject::classBegin()
{ }

void QQmlObject::componentComplete()
{
    m_qmlParent = parent();
    emit qmlParentChanged();
    emit constructed(m_qmlParent);
}

void QQmlObject::appendData(QQmlListProperty<QObject> *list, QObject *object)
{
    static_cast<QList<QPointer<QObject>> *>(list->data)->append(object);
}

int QQmlObject::dataCount(QQmlListProperty<QObject> *list)
{
    return static_cast<QList<QPointer<QObject>> *>(list->data)->size();
}

QObject *QQmlObject::dataAt(QQmlListProperty<QObject> *list, int index)
{
    const auto *data = static_cast<QList<QPointer<QObject>> *>(list->data);
    return index >= 0 && index < data->size() ? data->at(index).data() : nullptr;
}

void QQmlObject::clearData(QQmlListProperty<QObject> *list)
{
    static_cast<QList<QPointer<QObject>> *>(list->data)->clear();
}
