#include "AdmixedProperty.h"

#include <QPointer>
#include <QQmlEngine>

void AdmixedProperty::componentComplete()
{
    if (QObject *owner = parent())
        owner->setProperty(admixedPropertyName(QString::fromUtf8(typeName())).constData(),
            // Guarded: the owner may outlive this object.
            QVariant::fromValue(QPointer<QObject>(this)));
    QQmlObject::componentComplete();
}

QByteArray AdmixedProperty::admixedPropertyName(const QString &typeName)
{
    return "Admixed." + typeName.toUtf8();
}

QByteArray AdmixedProperty::typeName() const
{
    QByteArray name = metaObject()->className();
    if (qmlEngine(this)) {
        const int suffix = name.lastIndexOf("_QMLTYPE");
        if (suffix >= 0)
            name.truncate(suffix);
    }
    return name;
}
