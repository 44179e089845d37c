#include "QEnums.h"

#include <QDebug>

int QEnums::keyToValue(
    const QString &className, const QString &enumName, const QString &value) const
{
    const QMetaEnum metaEnum = findEnum(className.toUtf8(), enumName.toUtf8());
    return metaEnum.isValid() ? metaEnum.keyToValue(value.toUtf8().constData()) : -1;
}

QString QEnums::valueToKey(const QString &className, const QString &enumName, int value) const
{
    const QMetaEnum metaEnum = findEnum(className.toUtf8(), enumName.toUtf8());
    if (!metaEnum.isValid())
        return QString();
    const char *key = metaEnum.valueToKey(value);
    return key ? QString::fromUtf8(key) : QString();
}

QByteArray QEnums::valueToKeys(
    const QByteArray &scope, const QByteArray &name, const QVariant &value) const
{
    const QMetaEnum metaEnum = findEnum(scope, name);
    uint bits = 0;
    if (!metaEnum.isValid() || !toBits(value, false, &bits))
        return QByteArray();
    return metaEnum.valueToKeys(int(bits));
}

bool QEnums::testFlag(const QVariant &flags, int value) const
{
    uint bits = 0;
    return toBits(flags, false, &bits) && (bits & uint(value)) != 0;
}

bool QEnums::testFlag(const QVariant &flags, uint value) const
{
    uint bits = 0;
    return toBits(flags, true, &bits) && (bits & value) != 0;
}

QMetaEnum QEnums::findEnum(const QByteArray &className, const QByteArray &enumName)
{
    const int type = QMetaType::type(className + '*');
    const QMetaObject *metaObject = type ? QMetaType::metaObjectForType(type) : nullptr;
    if (!metaObject) {
        qWarning().noquote() << "Class" << className << "not found";
        return QMetaEnum();
    }
    const int index = metaObject->indexOfEnumerator(enumName.constData());
    if (index < 0) {
        qWarning().noquote() << "enum" << className + "::" + enumName << "not found";
        return QMetaEnum();
    }
    return metaObject->enumerator(index);
}

bool QEnums::toBits(const QVariant &value, bool unsignedFirst, uint *bits)
{
    bool ok = false;
    if (unsignedFirst) {
        *bits = value.toUInt(&ok);
        if (!ok)
            *bits = uint(value.toInt(&ok));
    } else {
        *bits = uint(value.toInt(&ok));
        if (!ok)
            *bits = value.toUInt(&ok);
    }
    return ok;
}
