#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>

class Condition;

// One input of a Condition; its value counts as true or false as QVariant::toBool sees it.
class ConditionArgument : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Condition *condition READ condition WRITE setCondition NOTIFY conditionChanged)
    Q_PROPERTY(QVariant value READ value WRITE setValue NOTIFY valueChanged)
public:
    explicit ConditionArgument(QObject *parent = nullptr);
    ~ConditionArgument() override;

    Condition *condition() const;
    void setCondition(Condition *condition);
    QVariant value() const { return m_value; }
    void setValue(const QVariant &value);

signals:
    void conditionChanged();
    void valueChanged();

private:
    QPointer<Condition> m_condition;
    QVariant m_value;
};
