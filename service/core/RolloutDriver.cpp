#include "RolloutDriver.h"

#include "ServiceError.h"

#include <QDebug>

namespace service {

RolloutDriver::RolloutDriver(
    Database &database, TaskProgress &progress, int intervalMs, QObject *parent)
    : QObject(parent)
    , m_rollouts(database, progress)
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RolloutDriver::step);
}

void RolloutDriver::start()
{
    m_timer.start();
}

void RolloutDriver::step()
{
    try {
        m_rollouts.advanceAll();
    } catch (const ServiceError &error) {
        qWarning() << "RolloutDriver::step()" << error.what();
    }
}

} // namespace service
