#pragma once

#include <QMutex>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
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
                runCommitHook();
                commit();
            } else {
                auto result = work();
                runCommitHook();
                commit();
                return result;
            }
        } catch (...) {
            rollback();
            throw;
        }
    }

    // Work that joins the next write transaction of this thread, just before it commits, so
    // that it is stored exactly when that write is. Runs once; the hook is the caller's.
    class CommitHook
    {
    public:
        explicit CommitHook(std::function<void()> work);
        ~CommitHook();
        CommitHook(const CommitHook &) = delete;
        CommitHook &operator=(const CommitHook &) = delete;
        bool ran() const { return m_ran; }

    private:
        friend class Database;
        std::function<void()> m_work;
        bool m_ran = false;
        CommitHook *m_outer = nullptr;
    };

    qint64 lastInsertId(const QSqlQuery &query) const;
    // Qt binds a null QString as SQL NULL; text columns want the empty text instead.
    static QString text(const QString &value)
    {
        return value.isNull() ? QStringLiteral("") : value;
    }

private:
    void begin();
    void runCommitHook();
    void commit();
    void rollback();

    QString m_path;
    QString m_connectionPrefix;
    std::mutex m_writeGate;
    QMutex m_namesMutex;
    QStringList m_connectionNames;
};

} // namespace service
