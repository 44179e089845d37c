#include "DeviceFilter.h"

#include "JsonArgs.h"
#include "ListResult.h"
#include "ServiceError.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace service {

namespace {
// One bound value whatever the length of the list: the statement and its binding stay linear.
QVariantList asJsonList(const QStringList &texts)
{
    return { QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact)) };
}
} // namespace

DeviceFilter DeviceFilter::fromJson(const std::optional<QJsonObject> &json)
{
    DeviceFilter filter;
    if (!json)
        return filter;
    filter.m_ids = JsonArgs::optionalIdList(*json, "ids");
    filter.m_allOfTags = JsonArgs::optionalIdList(*json, "tagsIds");
    filter.m_anyOfTags = JsonArgs::optionalIdList(*json, "anyOfTagsIds");
    filter.m_firmwares = JsonArgs::optionalStringList(*json, "firmwaresIds");
    filter.m_models = JsonArgs::optionalStringList(*json, "modelsIds");
    filter.m_online = JsonArgs::optionalBool(*json, "isOnline");
    filter.m_includeServants = JsonArgs::optionalBool(*json, "includeServants").value_or(true);
    filter.m_unregistered = JsonArgs::optionalBool(*json, "unregistered").value_or(false);
    filter.m_archivedCustomer = JsonArgs::optionalBool(*json, "archivedCustomer").value_or(false);
    return filter;
}

SqlWhere DeviceFilter::where(const LocationReach &reach) const
{
    return conditions(reach, false);
}

DeviceSelection DeviceFilter::selection(const LocationReach &reach) const
{
    if (!m_allOfTags || m_allOfTags->isEmpty())
        return { QStringLiteral("devices d"), conditions(reach, false), QStringLiteral("d.id"),
            QString() };
    DeviceSelection selection { QStringLiteral(
                                    "device_tags t0 CROSS JOIN devices d ON d.id = t0.device_id"),
        SqlWhere(), QStringLiteral("t0.device_id"), QString() };
    selection.where.add(QStringLiteral("t0.tag_id = %1").arg(m_allOfTags->first()));
    const SqlWhere rest = conditions(reach, true);
    if (rest.values().isEmpty() && rest.condition() == QLatin1String("1"))
        selection.countFrom = QStringLiteral("device_tags t0");
    else
        selection.where.add(rest.condition(), rest.values());
    return selection;
}

SqlWhere DeviceFilter::conditions(const LocationReach &reach, bool skipFirstTag) const
{
    SqlWhere where;
    if (!reach.isEverything())
        where.add(reach.sqlCondition(QStringLiteral("d.customer_id")));
    if (m_unregistered)
        where.add(QStringLiteral("d.customer_id IS NULL"));
    if (m_archivedCustomer)
        where.add(QStringLiteral("d.customer_id IN (SELECT id FROM customers WHERE archived = 1)"));
    if (m_online)
        where.add(QStringLiteral("d.is_online = ?"), { *m_online ? 1 : 0 });
    // An empty id list names no device: a task for "these devices" must never widen to all.
    if (m_ids)
        where.add(m_ids->isEmpty() ? QStringLiteral("0")
                                   : QStringLiteral("d.id IN ") + SqlList::numbers(*m_ids));
    if (m_firmwares && !m_firmwares->isEmpty())
        where.add(QStringLiteral("d.firmware_id IN (SELECT value FROM json_each(?))"),
            asJsonList(*m_firmwares));
    if (m_models && !m_models->isEmpty())
        where.add(QStringLiteral("d.model_id IN (SELECT value FROM json_each(?))"),
            asJsonList(*m_models));
    if (m_allOfTags) {
        for (int i = skipFirstTag ? 1 : 0; i < m_allOfTags->size(); ++i)
            where.add(
                QStringLiteral("d.id IN (SELECT device_id FROM device_tags WHERE tag_id = %1)")
                    .arg(m_allOfTags->at(i)));
    }
    if (m_anyOfTags && !m_anyOfTags->isEmpty())
        where.add(QStringLiteral("d.id IN (SELECT device_id FROM device_tags WHERE tag_id IN ")
            + SqlList::numbers(*m_anyOfTags) + QLatin1Char(')'));
    return where;
}

} // namespace service
