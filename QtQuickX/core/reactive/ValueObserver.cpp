#include "ValueObserver.h"

ValueObserver::ValueObserver(QObject *parent)
    : QObject(parent)
{ }

void ValueObserver::setTarget(const QQmlProperty &property)
{
    if (m_property == property)
        return;
    // Only the current target reports to this observer.
    if (m_property.object())
        disconnect(m_property.object(), nullptr, this, nullptr);
    m_property = property;
    m_property.connectNotifySignal(this, SLOT(propertyValueChanged()));
    m_lastValue = m_property.isValid() ? m_property.read() : QVariant();
}

void ValueObserver::propertyValueChanged()
{
    const QVariant newValue = m_property.read();
    const QVariant oldValue = m_lastValue;
    m_lastValue = newValue;
    emit aboutToChange(oldValue, newValue);
}
