#pragma once

#include <QObject>
#include <QQmlProperty>
#include <QQmlPropertyValueSource>
#include <QVariant>

// Declared with `on` on a property, reports each change of it with the old and the new value.
// It never writes the property.
class ValueObserver : public QObject, public QQmlPropertyValueSource
{
    Q_OBJECT
    Q_INTERFACES(QQmlPropertyValueSource)
public:
    explicit ValueObserver(QObject *parent = nullptr);

    void setTarget(const QQmlProperty &property) override;

signals:
    // Emitted after the property already holds newValue.
    void aboutToChange(const QVariant &oldValue, const QVariant &newValue);
    void enabledChanged();

private slots:
    void propertyValueChanged();

private:
    QQmlProperty m_property;
    QVariant m_lastValue;
};
