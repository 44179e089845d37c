#pragma once

#include "LocationReach.h"
#include "SqlWhere.h"

#include <QJsonObject>
#include <QStringList>
#include <QVector>
#include <optional>

namespace service {

// The rows of a device list: the tables to read, the conditions and the column that orders the
// devices by id.
struct DeviceSelection
{
    QString from;
    SqlWhere where;
    QString order;
    // Set when the driving tag alone decides the count: every tag row names a stored device.
    QString countFrom {};
};

// A device filter as the console sends it ("filter" of "listDevices", "devicesFilter" of
// "addTask" and "writeSettings"): null criteria are unset, missing keys are ignored.
class DeviceFilter
{
public:
    static DeviceFilter fromJson(const std::optional<QJsonObject> &json);

    bool includeServants() const { return m_includeServants; }
    // The conditions on the devices table (alias d) inside the given reach.
    SqlWhere where(const LocationReach &reach) const;
    // The same devices for a list page: when the filter names a tag every device must carry,
    // that tag's index drives the query, so a page costs its own rows and not a table scan.
    DeviceSelection selection(const LocationReach &reach) const;

private:
    SqlWhere conditions(const LocationReach &reach, bool skipFirstTag) const;

    std::optional<QVector<qint64>> m_ids;
    std::optional<QVector<qint64>> m_allOfTags;
    std::optional<QVector<qint64>> m_anyOfTags;
    std::optional<QStringList> m_firmwares;
    std::optional<QStringList> m_models;
    std::optional<bool> m_online;
    bool m_includeServants = true;
    bool m_unregistered = false;
    bool m_archivedCustomer = false;
};

} // namespace service
