#include "QmlX.h"

#include <QQmlEngine>
#include <QQmlProperty>
#include <QUrl>
#include <private/qqmlbinding_p.h>
#include <private/qqmlproperty_p.h>

void QmlX::writeProperty(
    QObject *object, const QString &property, const QVariant &value, WriteFlag writeFlag) const
{
    write(object, property, value, writeFlag);
}

void QmlX::writeProperty(QObject *object, const QString &property, const QVariant &value) const
{
    write(object, property, value, DontRemoveBinding);
}

QObject *QmlX::setJavaScriptOwnership(QObject *object) const
{
    if (object)
        QQmlEngine::setObjectOwnership(object, QQmlEngine::JavaScriptOwnership);
    return object;
}

bool QmlX::isJsValueMeanful(const QJSValue &value) const
{
    if (value.isUndefined())
        return false;
    if (value.isString())
        return !value.toString().isNull();
    if (value.isVariant()) {
        const QVariant variant = value.toVariant();
        if (variant.userType() == QMetaType::QUrl)
            return !variant.toUrl().isEmpty();
    }
    return true;
}

bool QmlX::instanceOf(QObject *object, const QString &typeName, bool inherits) const
{
    return isInstanceOf(object, typeName.toUtf8(), inherits);
}

bool QmlX::instanceOf(QObject *object, const QString &typeName) const
{
    return isInstanceOf(object, typeName.toUtf8(), true);
}

void QmlX::write(QObject *object, const QString &property, const QVariant &value, int writeFlags)
{
    if (!object)
        return;
    QQmlProperty qmlProperty(object, property, qmlContext(object));
    if (qmlProperty.isValid())
        QQmlPropertyPrivate::write(qmlProperty, value, QQmlPropertyData::WriteFlags(writeFlags));
    else
        object->setProperty(property.toLatin1().constData(), value);
}

bool QmlX::hasBinding(QObject *object, const QString &property)
{
    if (!object)
        return false;
    const QQmlProperty qmlProperty(object, property, qmlContext(object));
    return qmlProperty.isValid() && QQmlPropertyPrivate::binding(qmlProperty);
}

bool QmlX::classNameStartsWith(const QMetaObject *metaObject, const QByteArray &typeName)
{
    return qstrncmp(metaObject->className(), typeName.constData(), uint(typeName.size())) == 0;
}

bool QmlX::isInstanceOf(const QObject *object, const QByteArray &typeName, bool inherits)
{
    if (!object)
        return false;
    const QMetaObject *metaObject = object->metaObject();
    if (classNameStartsWith(metaObject, typeName))
        return true;
    if (!inherits)
        return false;
    for (metaObject = metaObject->superClass(); metaObject; metaObject = metaObject->superClass()) {
        if (classNameStartsWith(metaObject, typeName))
            return true;
    }
    return false;
}
