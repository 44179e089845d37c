#pragma once

#include "AccessPolicy.h"
#include "AuditLog.h"
#include "AuditTrail.h"
#include "Catalogues.h"
#include "Database.h"
#include "LocationTree.h"
#include "ServiceDispatcher.h"
#include "SessionStore.h"
#include "TaskProgress.h"

#include <memory>
#include <vector>

namespace service {

// The service without its transport: storage, sessions, rights and every method's handler.
class ManagementService
{
public:
    struct Settings
    {
        QString databasePath;
        qint64 sessionIdleMs = 3600LL * 1000;
        qint64 sessionLifetimeMs = 7LL * 24 * 3600 * 1000;
        // Audit records older than this are removed with the expired sessions.
        qint64 auditRetentionMs = 365LL * 24 * 3600 * 1000;
    };

    explicit ManagementService(const Settings &settings);
    ~ManagementService();

    Database &database() { return m_database; }
    TaskProgress &progress() { return m_progress; }
    const Catalogues &catalogues() const { return m_catalogues; }
    const ServiceDispatcher &dispatcher() const { return m_dispatcher; }

private:
    Database m_database;
    Catalogues m_catalogues;
    SessionStore m_sessions;
    LocationTree m_tree;
    AccessPolicy m_policy;
    TaskProgress m_progress;
    AuditLog m_auditLog;
    AuditTrail m_auditTrail;
    ServiceDispatcher m_dispatcher;
    std::vector<std::shared_ptr<void>> m_handlers;
};

} // namespace service
