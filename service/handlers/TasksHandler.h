#pragma once

#include "AccessPolicy.h"
#include "ServiceContext.h"
#include "ServiceDispatcher.h"

namespace service {

// "listTasks", "addTask", "cancelTask", "restartTask". A task targets the devices its filter
// finds when it is added: one ticket per device, and the task's counts come from its tickets.
class TasksHandler
{
public:
    explicit TasksHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    QJsonValue listTasks(const Call &call);
    QJsonValue addTask(const Call &call);
    QJsonValue cancelTask(const Call &call);
    QJsonValue restartTask(const Call &call);

    // Moves the task's tickets in fromStatuses to the given status.
    QJsonValue moveTickets(
        const Call &call, AccessPolicy::Right right, const QString &fromStatuses, int status);
    QJsonObject load(qint64 id);
    qint64 requireTaskInReach(const Caller &caller, qint64 id);
    static QString orderClause(const QJsonObject &body);

    ServiceContext m_context;
};

} // namespace service
