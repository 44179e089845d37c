#include "AdmixedProperties.h"

#include "AdmixedProperty.h"
#include "QmlX.h"

QObject *AdmixedProperties::get(QObject *item, const QString &name) const
{
    if (!item)
        return nullptr;
    const QVariant admixed = item->property(AdmixedProperty::admixedPropertyName(name).constData());
    if (QObject *object = admixed.value<QObject *>())
        return object;

    // An exact type beats a derived one, wherever they stand among the children.
    const QByteArray typeName = name.toUtf8();
    QObject *derived = nullptr;
    for (QObject *child : item->children()) {
        if (QmlX::classNameStartsWith(child->metaObject(), typeName))
            return child;
        if (!derived && QmlX::isInstanceOf(child, typeName, true))
            derived = child;
    }
    return derived;
}
