#include "LocationTree.h"

#include "Database.h"

#include <QSqlQuery>

namespace service {

LocationTree::LocationTree(Database &database)
    : m_database(database)
{ }

QVector<qint64> LocationTree::collect(const QString &sql, qint64 customerId)
{
    QSqlQuery query = m_database.prepare(sql);
    query.addBindValue(customerId);
    Database::exec(query);
    QVector<qint64> ids;
    while (query.next())
        ids.append(query.value(0).toLongLong());
    return ids;
}

QVector<qint64> LocationTree::subtree(qint64 customerId)
{
    return collect(
        QStringLiteral("WITH RECURSIVE sub(id) AS (SELECT id FROM customers WHERE id = ? "
                       "UNION SELECT c.id FROM customers c JOIN sub ON c.owner_id = sub.id) "
                       "SELECT id FROM sub"),
        customerId);
}

QVector<qint64> LocationTree::ancestors(qint64 customerId)
{
    // UNION (not UNION ALL) stops at a cycle, should one ever be stored.
    QVector<qint64> ids = collect(
        QStringLiteral(
            "WITH RECURSIVE up(id, depth) AS (SELECT owner_id, 1 FROM customers WHERE id = ? "
            "UNION SELECT c.owner_id, up.depth + 1 FROM customers c JOIN up ON c.id = up.id "
            "WHERE up.depth < 64) SELECT id FROM up WHERE id <> 0 ORDER BY depth"),
        customerId);
    return ids;
}

bool LocationTree::exists(qint64 customerId)
{
    QSqlQuery query = m_database.prepare(QStringLiteral("SELECT 1 FROM customers WHERE id = ?"));
    query.addBindValue(customerId);
    Database::exec(query);
    return query.next();
}

} // namespace service
