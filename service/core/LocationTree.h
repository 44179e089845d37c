#pragma once

#include <QVector>

namespace service {

class Database;

// Walks the location tree stored in the customers table.
class LocationTree
{
public:
    explicit LocationTree(Database &database);

    // The location and all its descendants.
    QVector<qint64> subtree(qint64 customerId);
    // The location's ancestors, nearest first.
    QVector<qint64> ancestors(qint64 customerId);
    bool exists(qint64 customerId);

private:
    QVector<qint64> collect(const QString &sql, qint64 customerId);

    Database &m_database;
};

} // namespace service
