#pragma once

#include <QMutex>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <mutex>

namespace service {

// One SQLite file shared by every thread: each thread gets its own connection, and writes of
// this process go one at a time through a gate so that SQLite never answers "database is
// locked" to a request; the busy timeout covers writers of other processes.
class Database
{
public:
    explicit Database(const QString &path);
    ~Database();

    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QString path() const { return m_path; }

    // The calling thread's connection, opened on first use.
    QSqlDatabase connection();

    // A prepared query on the calling thread's connection; failures throw ServiceError.
    QSqlQuery prepare(const QString &sql);
    static void exec(QSqlQuery &query);
    // Runs a statement without bound values.
    void run(const QString &sql);

    // Runs work inside one serialised write transaction; an exception rolls it back.
    template<typename Work>
    auto write(Work work)
    {
        std::lock_guard<std::mutex> lock(m_writeGate);
        begin();
        try {
            if constexpr (std::is_void_v<decltype(work())>) {
                work();
                commit();
            } else {
                auto result = work();
                commit();
                return result;
            }
        } catch (...) {
            rollback();
            throw;
        }
    }

    qint64 lastInsertId(const QSqlQuery &query) const;
    // Qt binds a null QString as SQL NULL; text columns want the empty text instead.
    static QString text(const QString &value)
    {
        return value.isNull() ? QStringLiteral("") : value;
    }

private:
    void begin();
    void commit();
    void rollback();

    QString m_path;
    QString m_connectionPrefix;
    std::mutex m_writeGate;
    QMutex m_namesMutex;
    QStringList m_connectionNames;
};

} // namespace service
