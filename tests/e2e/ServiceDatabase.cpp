#include "ServiceDatabase.h"

#include <QSqlQuery>

namespace {
int connections = 0;
} // namespace

ServiceDatabase::ServiceDatabase(const QString &path)
    : m_connection(QStringLiteral("service-database-%1").arg(++connections))
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    database.setDatabaseName(path);
    // The service writes while the test reads: wait for its lock rather than fail.
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=10000"));
}

ServiceDatabase::~ServiceDatabase()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool ServiceDatabase::open()
{
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    return database.isOpen() || database.open();
}

QSqlDatabase ServiceDatabase::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

QVariant ServiceDatabase::scalar(const QString &sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql) || !query.next())
        return QVariant();
    return query.value(0);
}

QVariantList ServiceDatabase::column(const QString &sql)
{
    QSqlQuery query(database());
    QVariantList values;
    if (query.exec(sql)) {
        while (query.next())
            values.append(query.value(0));
    }
    return values;
}
