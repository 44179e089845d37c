#pragma once

#include "DeviceFilter.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QVector>
#include <optional>

namespace service {

class Database;
class FieldSelection;

// Reads devices as the wire shows them: one page of rows, their tags, and the total.
class DeviceRepository
{
public:
    explicit DeviceRepository(Database &database);

    // The statements a page is made of; public so that a benchmark can run them on their own.
    static QString pageSql(const DeviceSelection &selection, bool limited);
    static QString countSql(const DeviceSelection &selection);
    static QString tagsSql(const QVector<qint64> &deviceIds);

    // take 0 means no limit.
    QJsonArray page(
        const DeviceSelection &selection, int skip, int take, const FieldSelection &what);
    qint64 count(const DeviceSelection &selection);
    std::optional<QJsonObject> find(qint64 id);
    std::optional<qint64> customerOf(qint64 id, bool *exists);

private:
    Database &m_database;
};

} // namespace service
