#include "OperationResult.h"

namespace {

QVariantMap merged(QVariantMap into, const QVariantMap &winners)
{
    for (auto it = winners.constBegin(); it != winners.constEnd(); ++it)
        into.insert(it.key(), it.value());
    return into;
}

} // namespace

OperationResult OperationResult::overwritten(const QVariantMap &news) const
{
    return OperationResult(m_status, merged(m_result, news), m_message);
}

OperationResult OperationResult::extended(const QVariantMap &extend) const
{
    return OperationResult(m_status, merged(extend, m_result), m_message);
}
