#include "AuditHandler.h"

#include "AccessPolicy.h"
#include "AuditLog.h"
#include "JsonArgs.h"
#include "Paging.h"
#include "Protocol.h"
#include "ServiceError.h"
#include "WireDate.h"

namespace service {

AuditHandler::AuditHandler(ServiceContext context, AuditLog &log)
    : m_context(context)
    , m_log(log)
{ }

void AuditHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    dispatcher.addMethod(QStringLiteral("listAuditRecords"), ServiceDispatcher::Access::Console,
        this, &AuditHandler::listAuditRecords);
}

QJsonValue AuditHandler::listAuditRecords(const Call &call)
{
    const Caller &caller = call.caller;
    // Administrators read what happened in their reach; a local administrator, in his
    // locations; nobody else reads the trail.
    AccessPolicy::require(caller, AccessPolicy::Right::ReadActivity);
    const QJsonObject filter
        = JsonArgs::optionalObject(call.body, "filter").value_or(QJsonObject());
    AuditLog::Query query;
    query.reach = caller.role == int(UserRole::God) ? LocationReach::everything()
                                                    : m_context.policy.reach(caller);
    query.actorId = JsonArgs::optionalId(filter, "actorId");
    query.entityKind = JsonArgs::optionalString(filter, "kind").value_or(QString());
    query.method = JsonArgs::optionalString(filter, "method").value_or(QString());
    query.outcome = JsonArgs::optionalString(filter, "outcome").value_or(QString());
    if (!query.outcome.isEmpty() && query.outcome != QLatin1String("ok")
        && query.outcome != QLatin1String("failed"))
        throw ServiceError::invalid(QStringLiteral("outcome must be \"ok\" or \"failed\""));
    query.fromMs = WireDate::parse(filter.value(QLatin1String("from")), "from");
    query.toMs = WireDate::parse(filter.value(QLatin1String("to")), "to");
    const Paging paging = Paging::fromRequest(call.body, 100);
    query.skip = paging.skip();
    query.take = paging.take();

    const AuditLog::Page page = m_log.list(query);
    QJsonObject result { { QStringLiteral("items"), page.items } };
    paging.addTo(result, page.total);
    return result;
}

} // namespace service
