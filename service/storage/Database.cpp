#include "Database.h"

#include "ServiceError.h"

#include <QAtomicInt>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QSqlError>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace service {

namespace {
QAtomicInt databaseSerial;

QString describe(const QSqlError &error)
{
    return error.text();
}

// The first words of a statement: enough to tell which one failed, without the values an
// id list or a caller's text put into it.
QString headOf(const QString &sql)
{
    constexpr int shown = 80;
    return sql.size() <= shown ? sql : sql.left(shown) + QStringLiteral("...");
}

// The file holds password hashes and session hashes: readable by its owner only. SQLite gives
// its WAL, shared-memory and journal files the permissions of the database file.
void restrictToOwner(const QString &path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char(':')))
        return;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    for (const char *suffix : { "", "-wal", "-shm", "-journal" }) {
        const QByteArray file = native + suffix;
        if (::access(file.constData(), F_OK) == 0)
            ::chmod(file.constData(), 0600);
    }
}
} // namespace

Database::Database(const QString &path)
    : m_path(path)
    , m_connectionPrefix(
          QStringLiteral("kestrum-service-%1-").arg(databaseSerial.fetchAndAddOrdered(1)))
{
    restrictToOwner(path);
}

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
        qWarning().noquote() << "Database::prepare()" << describe(query.lastError()) << headOf(sql);
        throw ServiceError(StatusCode::Error, "database error");
    }
    return query;
}

void Database::exec(QSqlQuery &query)
{
    if (!query.exec()) {
        qWarning().noquote() << "Database::exec()" << describe(query.lastError())
                             << headOf(query.lastQuery());
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

namespace {
thread_local Database::CommitHook *pendingCommitHook = nullptr;
} // namespace

Database::CommitHook::CommitHook(std::function<void()> work)
    : m_work(std::move(work))
    , m_outer(pendingCommitHook)
{
    pendingCommitHook = this;
}

Database::CommitHook::~CommitHook()
{
    pendingCommitHook = m_outer;
}

void Database::runCommitHook()
{
    CommitHook *hook = pendingCommitHook;
    if (!hook || hook->m_ran || !hook->m_work)
        return;
    hook->m_ran = true;
    hook->m_work();
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
