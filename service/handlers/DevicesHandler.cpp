#include "DevicesHandler.h"

#include "AccessPolicy.h"
#include "AuditTrail.h"
#include "Database.h"
#include "DeviceFilter.h"
#include "FieldSelection.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "Paging.h"
#include "ServiceError.h"
#include "TagsHandler.h"

#include <QSqlQuery>

namespace service {

namespace {
constexpr int defaultDevicePage = 100;
} // namespace

DevicesHandler::DevicesHandler(ServiceContext context)
    : m_context(context)
    , m_devices(context.database)
{ }

void DevicesHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(
        QStringLiteral("listDevices"), Access::Console, this, &DevicesHandler::listDevices);
    dispatcher.addMethod(QStringLiteral("listFirmwares"), Access::Console,
        [this](const Call &) { return listCatalogue(QStringLiteral("firmwares")); });
    dispatcher.addMethod(QStringLiteral("listModels"), Access::Console,
        [this](const Call &) { return listCatalogue(QStringLiteral("models")); });
    dispatcher.addMethod(
        QStringLiteral("updateDevice"), Access::Console, this, &DevicesHandler::updateDevice);
    dispatcher.addMethod(
        QStringLiteral("tagDevices"), Access::Console, this, &DevicesHandler::tagDevices);
    dispatcher.addMethod(
        QStringLiteral("unbindDevice"), Access::Console, this, &DevicesHandler::unbindDevice);
}

void DevicesHandler::requireDeviceInReach(
    ServiceContext &context, const Caller &caller, qint64 deviceId)
{
    bool exists = false;
    const auto customer = DeviceRepository(context.database).customerOf(deviceId, &exists);
    if (!exists)
        throw ServiceError::notFound(QStringLiteral("no such device"));
    // Devices without a location belong to nobody's reach but God's.
    if (customer ? !context.policy.reach(caller).contains(*customer)
                 : caller.role != int(UserRole::God))
        throw ServiceError::notFound(QStringLiteral("no such device"));
}

QJsonValue DevicesHandler::listDevices(const Call &call)
{
    const DeviceFilter filter
        = DeviceFilter::fromJson(JsonArgs::optionalObject(call.body, "filter"));
    const Paging paging = Paging::fromRequest(call.body, defaultDevicePage);
    const FieldSelection what = FieldSelection::fromRequest(call.body);
    const DeviceSelection selection
        = filter.selection(m_context.policy.reach(call.caller, filter.includeServants()));

    QJsonObject result
        = ListResult::items(m_devices.page(selection, paging.skip(), paging.take(), what));
    paging.addTo(result, paging.calcTotal() ? m_devices.count(selection) : 0);
    return result;
}

QJsonValue DevicesHandler::listCatalogue(const QString &table)
{
    QSqlQuery query = m_context.database.prepare(
        QStringLiteral("SELECT id, name FROM %1 ORDER BY name").arg(table));
    Database::exec(query);
    QJsonArray items;
    while (query.next())
        items.append(QJsonObject { { QStringLiteral("id"), query.value(0).toString() },
            { QStringLiteral("n"), query.value(1).toString() } });
    return ListResult::items(items);
}

QJsonValue DevicesHandler::updateDevice(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::EditDevice);
    const QJsonObject device = JsonArgs::requiredObject(call.body, "device");
    const qint64 id = JsonArgs::requiredId(device, "id");
    requireDeviceInReach(m_context, call.caller, id);
    const auto name = JsonArgs::optionalString(device, "n");
    if (name && name->size() > 200)
        throw ServiceError::invalid(QStringLiteral("device name too long"));
    const auto tags = JsonArgs::optionalIdList(device, "tgId");
    if (tags)
        TagsHandler::requireVisible(m_context, call.caller, *tags);

    m_context.database.write([&] {
        if (name) {
            QSqlQuery rename = m_context.database.prepare(
                QStringLiteral("UPDATE devices SET name = ? WHERE id = ?"));
            rename.addBindValue(Database::text(name->trimmed()));
            rename.addBindValue(id);
            Database::exec(rename);
        }
        if (tags) {
            m_context.database.run(
                QStringLiteral("DELETE FROM device_tags WHERE device_id = %1").arg(id));
            for (qint64 tag : *tags)
                m_context.database.run(QStringLiteral(
                    "INSERT OR IGNORE INTO device_tags (device_id, tag_id) VALUES (%1, %2)")
                                           .arg(id)
                                           .arg(tag));
        }
    });
    return *m_devices.find(id);
}

QJsonValue DevicesHandler::tagDevices(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::TagDevices);
    const auto tagId = JsonArgs::optionalId(call.body, "tagId");
    if (!tagId)
        throw ServiceError::invalid(QStringLiteral("\"tagId\" is required"));
    TagsHandler::requireVisible(m_context, call.caller, { *tagId });
    const DeviceFilter filter
        = DeviceFilter::fromJson(JsonArgs::optionalObject(call.body, "filter"));
    const SqlWhere where
        = filter.where(m_context.policy.reach(call.caller, filter.includeServants()));

    const int tagged = m_context.database.write([&] {
        QSqlQuery insert = m_context.database.prepare(
            QStringLiteral("INSERT OR IGNORE INTO device_tags (device_id, tag_id) SELECT d.id, %1 "
                           "FROM devices d")
                .arg(*tagId)
            + where.clause());
        where.bind(insert);
        Database::exec(insert);
        AuditTrail::noteReached(insert.numRowsAffected());
        return insert.numRowsAffected();
    });
    return QJsonObject { { QStringLiteral("tagId"), *tagId }, { QStringLiteral("count"), tagged } };
}

QJsonValue DevicesHandler::unbindDevice(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::UnbindDevice);
    const qint64 id = JsonArgs::requiredId(call.body, "id");
    requireDeviceInReach(m_context, call.caller, id);
    // When the hardware identity names a MAC address, it must be this device's.
    if (const auto identity = JsonArgs::optionalObject(call.body, "dhi")) {
        const QString mac = JsonArgs::optionalString(*identity, "mac").value_or(QString());
        const QJsonArray macs = m_devices.find(id)->value(QLatin1String("mac")).toArray();
        if (!mac.isEmpty() && !macs.contains(mac))
            throw ServiceError(
                StatusCode::WrongContext, QStringLiteral("hardware identity does not match"));
    }
    m_context.database.write([&] {
        QSqlQuery unbind = m_context.database.prepare(
            QStringLiteral("UPDATE devices SET customer_id = NULL WHERE id = ?"));
        unbind.addBindValue(id);
        Database::exec(unbind);
    });
    return *m_devices.find(id);
}

} // namespace service
