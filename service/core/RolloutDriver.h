#pragma once

#include "RolloutRepository.h"

#include <QObject>
#include <QTimer>

namespace service {

// Moves the running rollouts on in the service itself, so that they go on while no console is
// open and pick up where they were after a restart.
class RolloutDriver : public QObject
{
    Q_OBJECT
public:
    RolloutDriver(Database &database, TaskProgress &progress, int intervalMs = 500,
        QObject *parent = nullptr);

    void start();
    void step();

private:
    RolloutRepository m_rollouts;
    QTimer m_timer;
};

} // namespace service
