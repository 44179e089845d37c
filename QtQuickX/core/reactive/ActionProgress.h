#pragma once

#include <QObject>

// Progress of a running action: value between minimum and maximum, and whether it is active.
class ActionProgress : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double minimum READ minimum WRITE setMinimum NOTIFY minimumChanged)
    Q_PROPERTY(double maximum READ maximum WRITE setMaximum NOTIFY maximumChanged)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
    // A number for scripts, stored as a flag: reads give 1 or 0.
    Q_PROPERTY(double active READ active WRITE setActive NOTIFY activeChanged)
public:
    using QObject::QObject;

    double minimum() const { return m_minimum; }
    void setMinimum(double minimum);
    double maximum() const { return m_maximum; }
    void setMaximum(double maximum);
    double value() const { return m_value; }
    void setValue(double value);
    double active() const { return m_active ? 1 : 0; }
    void setActive(double active);

signals:
    void minimumChanged();
    void maximumChanged();
    void valueChanged();
    void activeChanged();

private:
    // Stores and signals when different; a NaN always counts as a change.
    template<typename Signal>
    void assign(double *field, double value, Signal changed);

    double m_minimum = 0;
    double m_maximum = 100;
    double m_value = 0;
    bool m_active = true;
};
