#include "DebouncedValue.h"

DebouncedValue::DebouncedValue(QObject *parent)
    : Debounce(parent)
{
    connect(this, &Debounce::timeout, this, &DebouncedValue::onTimeout);
}

void DebouncedValue::setValue(const QJSValue &value)
{
    if (m_value.strictlyEquals(value))
        return;
    m_value = value;
    if (m_strategy == Schedule)
        schedule();
    else
        reschedule();
    emit valueChanged();
}

void DebouncedValue::onTimeout()
{
    const bool same = m_useStrictCompare ? m_value.strictlyEquals(m_debouncedValue)
                                         : m_value.equals(m_debouncedValue);
    if (same)
        return;
    m_debouncedValue = m_value;
    emit debouncedValueChanged();
}
