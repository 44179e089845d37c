#pragma once

#include "Debounce.h"

#include <QJSValue>

// A value whose settled copy, debouncedValue, follows it once the writes calm down.
class DebouncedValue : public Debounce
{
    Q_OBJECT
    Q_PROPERTY(QJSValue value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(QJSValue debouncedValue READ debouncedValue NOTIFY debouncedValueChanged)
    Q_PROPERTY(Strategy strategy READ strategy WRITE setStrategy)
    Q_PROPERTY(bool useStrictCompare READ useStrictCompare WRITE setUseStrictCompare)
public:
    enum Strategy : int {
        Reschedule = 0,
        Schedule = 1,
    };
    Q_ENUM(Strategy)

    explicit DebouncedValue(QObject *parent = nullptr);

    QJSValue value() const { return m_value; }
    void setValue(const QJSValue &value);
    QJSValue debouncedValue() const { return m_debouncedValue; }
    Strategy strategy() const { return m_strategy; }
    void setStrategy(Strategy strategy) { m_strategy = strategy; }
    bool useStrictCompare() const { return m_useStrictCompare; }
    void setUseStrictCompare(bool strict) { m_useStrictCompare = strict; }

signals:
    void valueChanged();
    void debouncedValueChanged();

private slots:
    void onTimeout();

private:
    QJSValue m_value;
    QJSValue m_debouncedValue;
    Strategy m_strategy = Reschedule;
    bool m_useStrictCompare = true;
};
