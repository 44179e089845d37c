#pragma once

#include <QMetaEnum>
#include <QObject>
#include <QVariant>

// Name and value lookups in the enumerations of registered QObject classes.
class QEnums : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // -1 when the class, enumeration or key does not exist.
    Q_INVOKABLE int keyToValue(
        const QString &className, const QString &enumName, const QString &value) const;
    // A null string when the class, enumeration or value does not exist.
    Q_INVOKABLE QString valueToKey(
        const QString &className, const QString &enumName, int value) const;
    // The keys of a flags value joined with "|".
    Q_INVOKABLE QByteArray valueToKeys(
        const QByteArray &scope, const QByteArray &name, const QVariant &value) const;
    Q_INVOKABLE bool testFlag(const QVariant &flags, int value) const;
    Q_INVOKABLE bool testFlag(const QVariant &flags, uint value) const;

    // The enumeration of className* (a registered QObject pointer type); invalid when absent.
    static QMetaEnum findEnum(const QByteArray &className, const QByteArray &enumName);

private:
    static bool toBits(const QVariant &value, bool unsignedFirst, uint *bits);
};
