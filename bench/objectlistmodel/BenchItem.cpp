#include "BenchItem.h"

BenchItem::BenchItem(const QString &name, int value, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_value(value)
{ }

void BenchItem::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    emit nameChanged();
}

void BenchItem::setValue(int value)
{
    if (m_value == value)
        return;
    m_value = value;
    emit valueChanged();
}
