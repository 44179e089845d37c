#include "SettingsHandler.h"

#include "AccessPolicy.h"
#include "AuditTrail.h"
#include "Database.h"
#include "DeviceFilter.h"
#include "DevicesHandler.h"
#include "FieldSelection.h"
#include "JsonArgs.h"
#include "ListResult.h"
#include "ServiceError.h"
#include "SqlWhere.h"
#include "WireDate.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

namespace service {

namespace {
constexpr int maxValueLength = 64 * 1024;
const QString powerSchedule = QStringLiteral("power.schedule");

const QString selectSettings = QStringLiteral(
    "SELECT s.device_id, s.user_id, s.customer_id, s.name, s.value, s.hash, s.stamp_ms, s.revision "
    "FROM settings s JOIN devices d ON d.id = s.device_id");

QJsonObject settingFromRow(const QSqlQuery &row)
{
    return QJsonObject {
        { QStringLiteral("dId"), row.value(0).toLongLong() },
        { QStringLiteral("uId"), row.value(1).toLongLong() },
        { QStringLiteral("cId"), row.value(2).toLongLong() },
        { QStringLiteral("n"), row.value(3).toString() },
        { QStringLiteral("v"),
            row.value(4).isNull() ? QJsonValue() : QJsonValue(row.value(4).toString()) },
        { QStringLiteral("h"), row.value(5).toString() },
        { QStringLiteral("t"), WireDate::toJson(row.value(6).toLongLong()) },
        { QStringLiteral("r"), row.value(7).toInt() },
    };
}
} // namespace

SettingsHandler::SettingsHandler(ServiceContext context)
    : m_context(context)
{ }

void SettingsHandler::registerMethods(ServiceDispatcher &dispatcher)
{
    using Access = ServiceDispatcher::Access;
    dispatcher.addMethod(
        QStringLiteral("listSettings"), Access::Console, this, &SettingsHandler::listSettings);
    dispatcher.addMethod(
        QStringLiteral("syncSetting"), Access::Console, this, &SettingsHandler::syncSetting);
    dispatcher.addMethod(
        QStringLiteral("writeSettings"), Access::Console, this, &SettingsHandler::writeSettings);
}

SettingsHandler::Incoming SettingsHandler::readSetting(const QJsonObject &setting)
{
    Incoming incoming;
    incoming.name = JsonArgs::requiredString(setting, "n").trimmed();
    if (incoming.name.isEmpty() || incoming.name.size() > 100)
        throw ServiceError::invalid(QStringLiteral("setting name must hold 1 to 100 characters"));
    incoming.value = setting.value(QLatin1String("v"));
    incoming.hash = setting.value(QLatin1String("h"));
    if (!incoming.hash.isString() && !incoming.hash.isUndefined() && !incoming.hash.isNull())
        throw ServiceError::invalid(QStringLiteral("\"h\" must be a text"));
    if (incoming.hash.toString().size() > 100)
        throw ServiceError::invalid(QStringLiteral("\"h\" must hold at most 100 characters"));
    if (!incoming.value.isString() && !incoming.value.isNull() && !incoming.value.isUndefined())
        throw ServiceError::invalid(QStringLiteral("\"v\" must be a text or null"));
    const QString text = incoming.value.toString();
    if (text.size() > maxValueLength)
        throw ServiceError::invalid(QStringLiteral("setting value too long"));
    // The schedule is handed to devices as it is: refuse one they could not read.
    if (incoming.name == powerSchedule && !QJsonDocument::fromJson(text.toUtf8()).isArray())
        throw ServiceError::invalid(QStringLiteral("power.schedule must be a JSON array"));
    return incoming;
}

QJsonValue SettingsHandler::listSettings(const Call &call)
{
    const QJsonObject filter
        = JsonArgs::optionalObject(call.body, "filter").value_or(QJsonObject());
    const FieldSelection what = FieldSelection::fromRequest(call.body);
    SqlWhere where;
    where.add(m_context.policy.reach(call.caller).sqlCondition(QStringLiteral("d.customer_id")));
    if (const auto deviceId = JsonArgs::optionalId(filter, "deviceId"); deviceId && *deviceId != 0)
        where.add(QStringLiteral("s.device_id = ?"), { *deviceId });
    if (const auto name = JsonArgs::optionalString(filter, "name"); name && !name->isEmpty())
        where.add(QStringLiteral("s.name = ?"), { *name });
    if (const auto userId = JsonArgs::optionalId(filter, "userId"); userId && *userId != 0)
        where.add(QStringLiteral("s.user_id = ?"), { *userId });
    if (const auto customerId = JsonArgs::optionalId(filter, "customerId");
        customerId && *customerId != 0)
        where.add(QStringLiteral("s.customer_id = ?"), { *customerId });

    QSqlQuery query = m_context.database.prepare(selectSettings + where.clause()
        + QStringLiteral(" ORDER BY s.device_id, s.name LIMIT 10000"));
    where.bind(query);
    Database::exec(query);
    QJsonArray items;
    while (query.next())
        items.append(what.project(settingFromRow(query)));
    return ListResult::items(items);
}

int SettingsHandler::store(const Caller &caller, const Incoming &setting,
    const QString &deviceCondition, const QVariantList &values)
{
    const QString value = setting.value.toString();
    const QString hash = setting.hash.isString()
        ? setting.hash.toString()
        : QString::fromLatin1(
            QCryptographicHash::hash(value.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    QSqlQuery upsert = m_context.database.prepare(
        QStringLiteral(
            "INSERT INTO settings (device_id, name, value, user_id, customer_id, hash, stamp_ms, "
            "revision) "
            "SELECT d.id, ?, ?, ?, coalesce(d.customer_id, 0), ?, ?, 1 FROM devices d WHERE ")
        + deviceCondition
        + QStringLiteral(
            " ON CONFLICT(device_id, name) DO UPDATE SET value = excluded.value, "
            "user_id = excluded.user_id, customer_id = excluded.customer_id, hash = excluded.hash, "
            "stamp_ms = excluded.stamp_ms, revision = settings.revision + 1"));
    upsert.addBindValue(setting.name);
    upsert.addBindValue(setting.value.isString() ? QVariant(Database::text(value)) : QVariant());
    upsert.addBindValue(caller.userId);
    upsert.addBindValue(hash);
    upsert.addBindValue(WireDate::nowMs());
    for (const QVariant &bound : values)
        upsert.addBindValue(bound);
    Database::exec(upsert);
    return upsert.numRowsAffected();
}

QJsonObject SettingsHandler::load(qint64 deviceId, const QString &name)
{
    QSqlQuery query = m_context.database.prepare(
        selectSettings + QStringLiteral(" WHERE s.device_id = ? AND s.name = ?"));
    query.addBindValue(deviceId);
    query.addBindValue(name);
    Database::exec(query);
    return query.next() ? settingFromRow(query) : QJsonObject();
}

QJsonValue SettingsHandler::syncSetting(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::EditDeviceSettings);
    const QJsonObject setting = JsonArgs::requiredObject(call.body, "setting");
    const qint64 deviceId = JsonArgs::requiredId(setting, "dId");
    const Incoming incoming = readSetting(setting);
    DevicesHandler::requireDeviceInReach(m_context, call.caller, deviceId);
    m_context.database.write(
        [&] { store(call.caller, incoming, QStringLiteral("d.id = ?"), { deviceId }); });
    return load(deviceId, incoming.name);
}

QJsonValue SettingsHandler::writeSettings(const Call &call)
{
    AccessPolicy::require(call.caller, AccessPolicy::Right::EditDeviceSettings);
    const QJsonValue list = call.body.value(QLatin1String("setting"));
    if (!list.isArray())
        throw ServiceError::invalid(QStringLiteral("\"setting\" must be an array of settings"));
    QVector<Incoming> settings;
    const QJsonArray array = list.toArray();
    for (const QJsonValue &item : array) {
        if (!item.isObject())
            throw ServiceError::invalid(QStringLiteral("\"setting\" must be an array of settings"));
        settings.append(readSetting(item.toObject()));
    }
    const auto filterJson = JsonArgs::optionalObject(call.body, "devicesFilter");
    if (!filterJson)
        throw ServiceError::invalid(QStringLiteral("\"devicesFilter\" is required"));
    const DeviceFilter filter = DeviceFilter::fromJson(filterJson);
    const SqlWhere where
        = filter.where(m_context.policy.reach(call.caller, filter.includeServants()));
    const QString condition = where.condition();

    const int devices = m_context.database.write([&] {
        int touched = 0;
        for (const Incoming &setting : qAsConst(settings))
            touched = store(call.caller, setting, condition, where.values());
        AuditTrail::noteReached(touched);
        return touched;
    });
    return QJsonObject { { QStringLiteral("devices"), devices },
        { QStringLiteral("settings"), settings.size() } };
}

} // namespace service
