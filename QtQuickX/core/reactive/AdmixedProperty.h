#pragma once

#include "QQmlObject.h"

// Declared inside another object, it admixes itself into that object as the dynamic property
// "Admixed.<its type name>", where AdmixedProperties.get finds it.
class AdmixedProperty : public QQmlObject
{
    Q_OBJECT
public:
    using QQmlObject::QQmlObject;

    void componentComplete() override;

    static QByteArray admixedPropertyName(const QString &typeName);

private:
    // A QML type derived from this one is known by its QML type name.
    QByteArray typeName() const;
};
