#include "Database.h"

#include "ServiceError.h"

#include <QAtomicInt>
#include <QDebug>
#include <QHash>
#include <QSqlError>

namespace service {

namespace {
QAtomicInt databaseSerial;

QString describe(const QSqlError &error)
{
    return error.text();
}
} // namespace

Database::Database(const QString &path)
    : m_path(path)
    , m_connectionPrefix(
          QStringLiteral("kestrum-service-%1-").arg(databaseSerial.fetchAndAddOrdered(1)))
{ }

Database::~Database()
{
    QMutexLocker locker(&m_namesMutex);
    // The connections' threads have ended by now; removing closes each one.
    for (const QString &name : qAsConst(m_connectionNames))
        QSqlDatabase::removeDatabase(name);
}

QSqlDatabase Database::connection()
{
    // Thread ids are reused once a thread ends, so each thread draws a serial of its own: a
    // new thread never picks up a connection that belonged to a finished one.
    static QAtomicInt threadSerials;
    thread_local const int threadSerial = threadSerials.fetchAndAddOrdered(1);
    const QString name = m_connectionPrefix + QString::number(threadSerial);
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name, false);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
    if (!db.open())
        throw ServiceError(StatusCode::Error, "cannot open database: " + describe(db.lastError()));
    QSqlQuery pragmas(db);
    pragmas.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    pragmas.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    pragmas.exec(QStringLiteral("PRAGMA cache_size=-16000"));
    {
        QMutexLocker locker(&m_namesMutex);
        m_connectionNames.append(name);
    }
    return db;
}

QSqlQuery Database::prepare(const QString &sql)
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        qWarning().noquote() << "Database::prepare()" << describe(query.lastError()) << sql;
        throw ServiceError(StatusCode::Error, "database error");
    }
    return query;
}

void Database::exec(QSqlQuery &query)
{
    if (!query.exec()) {
        qWarning().noquote() << "Database::exec()" << describe(query.lastError())
                             << query.lastQuery();
        throw ServiceError(StatusCode::Error, "database error");
    }
}

void Database::run(const QString &sql)
{
    QSqlQuery query = prepare(sql);
    exec(query);
}

qint64 Database::lastInsertId(const QSqlQuery &query) const
{
    return query.lastInsertId().toLongLong();
}

void Database::begin()
{
    run(QStringLiteral("BEGIN IMMEDIATE"));
}

void Database::commit()
{
    run(QStringLiteral("COMMIT"));
}

void Database::rollback()
{
    QSqlQuery query(connection());
    query.exec(QStringLiteral("ROLLBACK"));
}

} // namespace service
