#include "StartupIncubationController.h"

StartupIncubationController::StartupIncubationController(int sliceMs, QObject *parent)
    : QObject(parent)
    , m_sliceMs(sliceMs)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &StartupIncubationController::incubateSlice);
}

void StartupIncubationController::incubatingObjectCountChanged(int count)
{
    if (count > 0)
        m_timer.start();
    else
        m_timer.stop();
}

void StartupIncubationController::incubateSlice()
{
    incubateFor(m_sliceMs);
}
