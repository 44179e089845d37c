#include "ManagementService.h"

#include "AuditHandler.h"
#include "AuthHandler.h"
#include "CustomersHandler.h"
#include "DevicesHandler.h"
#include "LoginsHandler.h"
#include "SchemaMigrator.h"
#include "SettingsHandler.h"
#include "TagsHandler.h"
#include "TasksHandler.h"
#include "TicketsHandler.h"
#include "UsersHandler.h"

namespace service {

namespace {
template<typename Handler>
std::shared_ptr<void> install(ServiceContext context, ServiceDispatcher &dispatcher)
{
    auto handler = std::make_shared<Handler>(context);
    handler->registerMethods(dispatcher);
    return handler;
}
} // namespace

ManagementService::ManagementService(const Settings &settings)
    : m_database(settings.databasePath)
    , m_sessions(m_database, settings.sessionIdleMs, settings.sessionLifetimeMs)
    , m_tree(m_database)
    , m_policy(m_tree)
    , m_progress(m_database)
    , m_auditLog(m_database)
    , m_auditTrail(m_database, m_sessions, m_auditLog)
    , m_dispatcher(m_database, m_sessions)
{
    SchemaMigrator(m_database).migrate();
    m_dispatcher.setAuditTrail(&m_auditTrail);
    m_sessions.setCleanup([this, retention = settings.auditRetentionMs](
                              qint64 nowMs) { m_auditLog.removeOlderThan(nowMs - retention); });
    const ServiceContext context { m_database, m_sessions, m_tree, m_policy, m_progress,
        m_catalogues };
    m_handlers = {
        install<AuthHandler>(context, m_dispatcher),
        install<UsersHandler>(context, m_dispatcher),
        install<LoginsHandler>(context, m_dispatcher),
        install<CustomersHandler>(context, m_dispatcher),
        install<DevicesHandler>(context, m_dispatcher),
        install<SettingsHandler>(context, m_dispatcher),
        install<TasksHandler>(context, m_dispatcher),
        install<TicketsHandler>(context, m_dispatcher),
        install<TagsHandler>(context, m_dispatcher),
    };
    auto audit = std::make_shared<AuditHandler>(context, m_auditLog);
    audit->registerMethods(m_dispatcher);
    m_handlers.push_back(audit);
}

ManagementService::~ManagementService() = default;

} // namespace service
