#pragma once

// Stores a new property value and emits its change signal only when the value differs.
template<typename Object, typename T, typename Signal>
void assignProperty(Object *object, T &field, const T &value, Signal changed)
{
    if (field == value)
        return;
    field = value;
    emit(object->*changed)();
}
