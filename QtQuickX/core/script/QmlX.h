#pragma once

#include <QJSValue>
#include <QObject>
#include <QVariant>

// QML engine services that scripts lack: binding-preserving writes, type tests, ownership.
class QmlX : public QObject
{
    Q_OBJECT
public:
    // The engine's own property-write flags.
    enum WriteFlag : int {
        BypassInterceptor = 1,
        DontRemoveBinding = 2,
        RemoveBindingOnAliasWrite = 4,
    };
    Q_ENUM(WriteFlag)

    using QObject::QObject;

    Q_INVOKABLE void writeProperty(
        QObject *object, const QString &property, const QVariant &value, WriteFlag writeFlag) const;
    Q_INVOKABLE void writeProperty(
        QObject *object, const QString &property, const QVariant &value) const;
    Q_INVOKABLE QObject *setJavaScriptOwnership(QObject *object) const;
    Q_INVOKABLE bool isJsValueMeanful(const QJSValue &value) const;
    Q_INVOKABLE bool instanceOf(QObject *object, const QString &typeName, bool inherits) const;
    Q_INVOKABLE bool instanceOf(QObject *object, const QString &typeName) const;
    Q_INVOKABLE QVariant copy(const QVariant &value) const { return value; }

    // Writes a QML property through the engine, so that DontRemoveBinding keeps its binding;
    // names that are no QML property become dynamic properties.
    static void write(QObject *object, const QString &property, const QVariant &value,
        int writeFlags = DontRemoveBinding);
    static bool hasBinding(QObject *object, const QString &property);
    // Whether the class name starts with typeName; QML types are known by their generated
    // class name, which is the type name followed by a suffix.
    static bool classNameStartsWith(const QMetaObject *metaObject, const QByteArray &typeName);
    static bool isInstanceOf(const QObject *object, const QByteArray &typeName, bool inherits);
};
