#pragma once

#include <QObject>

// Waits past the timers of this thread that fall due within a given time, to check that one of
// them did nothing. Qt fires due timers in the order they fall due, so a precise timer started
// now with a longer interval fires after them however slowly a loaded or sanitized process
// runs; a plain wait gives no such order. Coarse timers may fire up to 5 % late: pass their
// interval with a margin.
class TimerSentinel : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Processes events until a precise timer started now with the interval ms has fired.
    Q_INVOKABLE static void waitPast(int ms);
};
