#pragma once

#include "AccessPolicy.h"
#include "ServiceContext.h"
#include "ServiceDispatcher.h"

namespace service {

class SqlWhere;

// "listTickets", "cancelTickets", "restartTickets": one ticket per task and device.
class TicketsHandler
{
public:
    explicit TicketsHandler(ServiceContext context);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    QJsonValue listTickets(const Call &call);
    QJsonValue cancelTickets(const Call &call);
    QJsonValue restartTickets(const Call &call);

    QJsonValue moveTickets(
        const Call &call, AccessPolicy::Right right, const QString &fromStatuses, int status);
    QJsonArray select(const SqlWhere &where, const QString &tail);

    ServiceContext m_context;
};

} // namespace service
