#pragma once

#include <QJSEngine>
#include <QQmlEngine>

// Factory of a singleton that each engine gets anew and owns (no parent).
template<typename T>
QObject *createEngineSingleton(QQmlEngine *, QJSEngine *)
{
    return new T;
}
