#pragma once

#include <QJSValue>
#include <QObject>

// Carries a script object of named values as one QObject argument.
class Args : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QJSValue values READ values WRITE setValues NOTIFY valuesChanged)
public:
    explicit Args(QObject *parent = nullptr);
    explicit Args(const QJSValue &values, QObject *parent = nullptr);

    QJSValue values() const { return m_values; }
    void setValues(const QJSValue &values);

    // The property key of values; undefined when absent.
    Q_INVOKABLE QJSValue value(const QString &key) const;

signals:
    void valuesChanged();

private:
    QJSValue m_values;
};
