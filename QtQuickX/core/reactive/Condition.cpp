#include "Condition.h"

#include "ConditionArgument.h"

#include <algorithm>

Condition::Condition(QObject *parent)
    : QObject(parent)
{ }

void Condition::setOperation(Operation operation)
{
    if (m_operation == operation)
        return;
    m_operation = operation;
    emit operationChanged();
}

void Condition::setDelayed(bool delayed)
{
    if (m_delayed == delayed)
        return;
    m_delayed = delayed;
    emit delayedChanged();
}

void Condition::onArgumentValueChanged()
{
    if (m_delayed)
        QMetaObject::invokeMethod(this, "updateValue", Qt::QueuedConnection);
    else
        updateValue();
}

void Condition::updateValue()
{
    const bool value = compute();
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged();
}

bool Condition::compute() const
{
    if (m_arguments.isEmpty())
        return false;
    const auto isTrue = [](const QPointer<ConditionArgument> &argument) {
        return argument && argument->value().toBool();
    };
    switch (m_operation) {
    case AnyOf:
        return std::any_of(m_arguments.cbegin(), m_arguments.cend(), isTrue);
    case AllOf:
        // A deleted argument no longer holds the condition back.
        return std::all_of(m_arguments.cbegin(), m_arguments.cend(),
            [&](const QPointer<ConditionArgument> &argument) {
                return !argument || isTrue(argument);
            });
    }
    return false;
}

void Condition::addArgument(ConditionArgument *argument)
{
    m_arguments.append(argument);
}

void Condition::removeArgument(ConditionArgument *argument)
{
    m_arguments.removeAll(argument);
}
