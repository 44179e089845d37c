#pragma once

#include <QObject>

// Finds what was admixed into an object by an AdmixedProperty, or a child of that type.
class AdmixedProperties : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE QObject *get(QObject *item, const QString &name) const;
};
