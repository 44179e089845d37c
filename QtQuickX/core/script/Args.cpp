#include "Args.h"

Args::Args(QObject *parent)
    : QObject(parent)
{ }

Args::Args(const QJSValue &values, QObject *parent)
    : QObject(parent)
    , m_values(values)
{ }

void Args::setValues(const QJSValue &values)
{
    if (m_values.strictlyEquals(values))
        return;
    m_values = values;
    emit valuesChanged();
}

QJSValue Args::value(const QString &key) const
{
    return m_values.property(key);
}
