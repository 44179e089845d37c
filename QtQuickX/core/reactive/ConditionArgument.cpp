#include "ConditionArgument.h"

#include "Condition.h"

ConditionArgument::ConditionArgument(QObject *parent)
    : QObject(parent)
{ }

ConditionArgument::~ConditionArgument()
{
    setCondition(nullptr);
}

Condition *ConditionArgument::condition() const
{
    return m_condition;
}

void ConditionArgument::setCondition(Condition *condition)
{
    if (m_condition == condition)
        return;
    if (Condition *previous = m_condition) {
        disconnect(
            this, &ConditionArgument::valueChanged, previous, &Condition::onArgumentValueChanged);
        previous->removeArgument(this);
        previous->onArgumentValueChanged();
    }
    m_condition = condition;
    if (condition) {
        const QMetaObject::Connection connection = connect(this, &ConditionArgument::valueChanged,
            condition, &Condition::onArgumentValueChanged, Qt::UniqueConnection);
        if (connection) {
            condition->addArgument(this);
            condition->onArgumentValueChanged();
        }
    }
    emit conditionChanged();
}

void ConditionArgument::setValue(const QVariant &value)
{
    if (m_value == value)
        return;
    m_value = value;
    emit valueChanged();
}
