#include "DeviceRepository.h"

#include "Database.h"
#include "FieldSelection.h"
#include "ListResult.h"
#include "WireDate.h"

#include <QHash>
#include <QSqlQuery>

namespace service {

namespace {
QJsonArray textList(const QString &commaSeparated)
{
    QJsonArray list;
    const auto parts = commaSeparated.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        list.append(part);
    return list;
}

QJsonObject deviceFromRow(const QSqlQuery &row)
{
    return QJsonObject {
        { QStringLiteral("id"), row.value(0).toLongLong() },
        { QStringLiteral("n"), row.value(1).toString() },
        { QStringLiteral("t"), row.value(2).toString() },
        { QStringLiteral("mId"), row.value(3).toString() },
        { QStringLiteral("m"), row.value(4).toString() },
        { QStringLiteral("fwId"), row.value(5).toString() },
        { QStringLiteral("fw"), row.value(6).toString() },
        { QStringLiteral("cId"), row.value(7).toLongLong() },
        { QStringLiteral("io"), row.value(8).toBool() },
        { QStringLiteral("lo"), WireDate::toJson(row.value(9).toLongLong()) },
        { QStringLiteral("rt"), WireDate::toJson(row.value(10).toLongLong()) },
        { QStringLiteral("d"), row.value(11).toString() },
        { QStringLiteral("ip"), textList(row.value(12).toString()) },
        { QStringLiteral("mac"), textList(row.value(13).toString()) },
    };
}

const QString deviceColumns
    = QStringLiteral("SELECT d.id, d.name, d.type, d.model_id, coalesce(m.name, ''), "
                     "d.firmware_id, coalesce(f.name, ''), "
                     "coalesce(d.customer_id, 0), d.is_online, d.last_online_ms, d.registered_ms, "
                     "d.description, d.ip, d.mac FROM ");
const QString namesJoin = QStringLiteral(
    " LEFT JOIN models m ON m.id = d.model_id LEFT JOIN firmwares f ON f.id = d.firmware_id");
} // namespace

DeviceRepository::DeviceRepository(Database &database)
    : m_database(database)
{ }

QString DeviceRepository::pageSql(const DeviceSelection &selection, bool limited)
{
    return deviceColumns + selection.from + namesJoin + selection.where.clause()
        + QStringLiteral(" ORDER BY ") + selection.order
        + (limited ? QStringLiteral(" LIMIT ? OFFSET ?") : QString());
}

QString DeviceRepository::countSql(const DeviceSelection &selection)
{
    return QStringLiteral("SELECT count(*) FROM ")
        + (selection.countFrom.isEmpty() ? selection.from : selection.countFrom)
        + selection.where.clause();
}

QString DeviceRepository::tagsSql(const QVector<qint64> &deviceIds)
{
    return QStringLiteral("SELECT dt.device_id, dt.tag_id, t.name FROM device_tags dt "
                          "JOIN tags t ON t.id = dt.tag_id WHERE dt.device_id IN ")
        + SqlList::numbers(deviceIds) + QStringLiteral(" ORDER BY dt.device_id, dt.tag_id");
}

QJsonArray DeviceRepository::page(
    const DeviceSelection &selection, int skip, int take, const FieldSelection &what)
{
    QSqlQuery query = m_database.prepare(pageSql(selection, take > 0));
    selection.where.bind(query);
    if (take > 0) {
        query.addBindValue(take);
        query.addBindValue(skip);
    }
    Database::exec(query);
    QVector<QJsonObject> devices;
    QVector<qint64> ids;
    while (query.next()) {
        devices.append(deviceFromRow(query));
        ids.append(query.value(0).toLongLong());
    }

    QHash<qint64, QPair<QJsonArray, QJsonArray>> tags;
    if (!ids.isEmpty()
        && (what.wants(QStringLiteral("tgId")) || what.wants(QStringLiteral("tg")))) {
        QSqlQuery tagQuery = m_database.prepare(tagsSql(ids));
        Database::exec(tagQuery);
        while (tagQuery.next()) {
            auto &entry = tags[tagQuery.value(0).toLongLong()];
            entry.first.append(tagQuery.value(1).toLongLong());
            entry.second.append(tagQuery.value(2).toString());
        }
    }
    QJsonArray items;
    for (QJsonObject &device : devices) {
        const auto entry = tags.value(qint64(device.value(QLatin1String("id")).toDouble()));
        device.insert(QStringLiteral("tgId"), entry.first);
        device.insert(QStringLiteral("tg"), entry.second);
        items.append(what.project(device));
    }
    return items;
}

qint64 DeviceRepository::count(const DeviceSelection &selection)
{
    QSqlQuery query = m_database.prepare(countSql(selection));
    selection.where.bind(query);
    Database::exec(query);
    return query.next() ? query.value(0).toLongLong() : 0;
}

std::optional<QJsonObject> DeviceRepository::find(qint64 id)
{
    DeviceSelection one { QStringLiteral("devices d"), SqlWhere(), QStringLiteral("d.id"),
        QString() };
    one.where.add(QStringLiteral("d.id = ?"), { id });
    const QJsonArray found = page(one, 0, 1, FieldSelection::all());
    if (found.isEmpty())
        return std::nullopt;
    return found.first().toObject();
}

std::optional<qint64> DeviceRepository::customerOf(qint64 id, bool *exists)
{
    QSqlQuery query
        = m_database.prepare(QStringLiteral("SELECT customer_id FROM devices WHERE id = ?"));
    query.addBindValue(id);
    Database::exec(query);
    *exists = query.next();
    if (!*exists || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

} // namespace service
