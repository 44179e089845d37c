#include "ActionProgress.h"

template<typename Signal>
void ActionProgress::assign(double *field, double value, Signal changed)
{
    if (*field == value)
        return;
    *field = value;
    emit(this->*changed)();
}

void ActionProgress::setMinimum(double minimum)
{
    assign(&m_minimum, minimum, &ActionProgress::minimumChanged);
}

void ActionProgress::setMaximum(double maximum)
{
    assign(&m_maximum, maximum, &ActionProgress::maximumChanged);
}

void ActionProgress::setValue(double value)
{
    assign(&m_value, value, &ActionProgress::valueChanged);
}

void ActionProgress::setActive(double active)
{
    const bool isActive = active != 0;
    if (m_active == isActive)
        return;
    m_active = isActive;
    emit activeChanged();
}
