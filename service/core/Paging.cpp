#include "Paging.h"

#include "JsonArgs.h"
#include "ServiceError.h"

namespace service {

Paging Paging::fromRequest(const QJsonObject &body, int defaultTake)
{
    Paging paging;
    paging.m_take = defaultTake;
    const auto object = JsonArgs::optionalObject(body, "paging");
    if (!object)
        return paging;
    paging.m_requested = true;
    paging.m_skip = JsonArgs::optionalInt(*object, "skip").value_or(0);
    paging.m_take
        = JsonArgs::optionalInt(*object, "take").value_or(defaultTake > 0 ? defaultTake : 100);
    paging.m_calcTotal = JsonArgs::optionalBool(*object, "calcTotal").value_or(false);
    if (paging.m_skip < 0 || paging.m_take < 1 || paging.m_take > maxTake)
        throw ServiceError::invalid(QStringLiteral("paging out of range"));
    return paging;
}

void Paging::addTo(QJsonObject &result, qint64 total) const
{
    if (!m_requested)
        return;
    result.insert(QStringLiteral("skipped"), m_skip);
    if (m_calcTotal)
        result.insert(QStringLiteral("total"), total);
}

} // namespace service
