#include "HistoryFilter.h"

#include "AccessPolicy.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "WireDate.h"

namespace service {

SqlWhere HistoryFilter::where(const AccessPolicy &policy, const Caller &caller,
    const QJsonObject &filter, const Columns &columns)
{
    const bool servants = JsonArgs::optionalBool(filter, "includeServants").value_or(true);
    SqlWhere where;
    where.add(policy.scopedReach(caller, JsonArgs::optionalId(filter, "customerId"), servants)
                  .sqlCondition(QStringLiteral("t.customer_id")));
    if (const auto ids = JsonArgs::optionalIdList(filter, "ids"); ids && !ids->isEmpty())
        where.add(columns.id + QStringLiteral(" IN ") + SqlList::numbers(*ids));
    if (const auto statuses = JsonArgs::optionalIdList(filter, "statuses");
        statuses && !statuses->isEmpty())
        where.add(columns.status + QStringLiteral(" IN ") + SqlList::numbers(*statuses));
    if (const auto max = WireDate::parse(filter.value(QLatin1String("closedAtMax")), "closedAtMax"))
        where.add(QStringLiteral("%1 > 0 AND %1 <= ?").arg(columns.closedAt), { *max });
    if (const auto min = WireDate::parse(filter.value(QLatin1String("closedAtMin")), "closedAtMin"))
        where.add(QStringLiteral("%1 >= ?").arg(columns.closedAt), { *min });
    return where;
}

} // namespace service
