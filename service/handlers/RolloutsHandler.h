#pragma once

#include "RolloutRepository.h"
#include "ServiceContext.h"
#include "ServiceDispatcher.h"

namespace service {

// "addRollout", "listRollouts", "pauseRollout", "resumeRollout", "abortRollout",
// "startNextGroup": a firmware update sent group by group, with the rights of the task methods.
class RolloutsHandler
{
public:
    explicit RolloutsHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    QJsonValue addRollout(const Call &call);
    QJsonValue listRollouts(const Call &call);
    QJsonValue pauseRollout(const Call &call);
    QJsonValue resumeRollout(const Call &call);
    QJsonValue abortRollout(const Call &call);
    QJsonValue startNextGroup(const Call &call);

    // Runs the change on the rollout named by "rolloutId" for a manager in reach.
    QJsonValue change(const Call &call, void (RolloutRepository::*action)(qint64));

    ServiceContext m_context;
    RolloutRepository m_rollouts;
};

} // namespace service
