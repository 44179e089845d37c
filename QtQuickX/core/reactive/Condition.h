#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class ConditionArgument;

// A boolean that is the OR (AnyOf) or AND (AllOf) of its arguments' values; with `delayed`,
// the changes of one event-loop pass are folded into a later recomputation.
class Condition : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Operation operation READ operation WRITE setOperation NOTIFY operationChanged)
    Q_PROPERTY(bool delayed READ delayed WRITE setDelayed NOTIFY delayedChanged)
    Q_PROPERTY(bool value READ value NOTIFY valueChanged)
public:
    // Fixed underlying type: any number written from a script is a defined value.
    enum Operation : int {
        AnyOf = 0,
        AllOf = 1,
    };
    Q_ENUM(Operation)

    explicit Condition(QObject *parent = nullptr);

    Operation operation() const { return m_operation; }
    void setOperation(Operation operation);
    bool delayed() const { return m_delayed; }
    void setDelayed(bool delayed);
    bool value() const { return m_value; }

signals:
    void operationChanged();
    void delayedChanged();
    void valueChanged();

private slots:
    void onArgumentValueChanged();
    void updateValue();

private:
    friend class ConditionArgument;
    void addArgument(ConditionArgument *argument);
    void removeArgument(ConditionArgument *argument);
    bool compute() const;

    Operation m_operation = AnyOf;
    bool m_delayed = false;
    bool m_value = false;
    // Not owned: an argument leaves the list when it is destroyed or moves elsewhere.
    QList<QPointer<ConditionArgument>> m_arguments;
};
