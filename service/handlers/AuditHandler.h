#pragma once

#include "ServiceContext.h"
#include "ServiceDispatcher.h"

namespace service {

class AuditLog;

// "listAuditRecords": the audit trail page by page, newest first, within the caller's reach.
class AuditHandler
{
public:
    AuditHandler(ServiceContext context, AuditLog &log);
    void registerMethods(ServiceDispatcher &dispatcher);

private:
    QJsonValue listAuditRecords(const Call &call);

    ServiceContext m_context;
    AuditLog &m_log;
};

} // namespace service
