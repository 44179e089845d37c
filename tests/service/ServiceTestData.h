#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>

// The demo logins and small helpers shared by the service tests.
namespace demo {
inline const QString god = QStringLiteral("god@example.com");
inline const QString admin = QStringLiteral("admin@example.com");
inline const QString localAdmin = QStringLiteral("localadmin@example.com");
inline const QString technician = QStringLiteral("technician@example.com");

inline QString passwordOf(const QString &login)
{
    if (login == god)
        return QStringLiteral("demo-god-2026");
    if (login == admin)
        return QStringLiteral("demo-admin-2026");
    if (login == localAdmin)
        return QStringLiteral("demo-local-2026");
    return QStringLiteral("demo-tech-2026");
}
} // namespace demo

inline QStringList keysOf(const QJsonObject &object)
{
    QStringList keys = object.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

inline QStringList sortedKeys(const QString &commaSeparated)
{
    QStringList keys = commaSeparated.split(QLatin1Char(','));
    std::sort(keys.begin(), keys.end());
    return keys;
}

inline int statusOf(const QJsonObject &answer)
{
    return answer.value(QLatin1String("status")).toInt(-1);
}

inline QJsonObject resultOf(const QJsonObject &answer)
{
    return answer.value(QLatin1String("result")).toObject();
}

inline QJsonArray itemsOf(const QJsonObject &answer)
{
    return resultOf(answer).value(QLatin1String("items")).toArray();
}

// Reads the service's database directly, as an independent oracle for what it answers.
class DatabaseOracle
{
public:
    explicit DatabaseOracle(const QString &path)
        : m_name(QStringLiteral("oracle-") + path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=10000"));
        db.open();
    }
    ~DatabaseOracle()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    qint64 number(const QString &sql) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.exec(sql) || !query.next())
            return -1;
        return query.value(0).toLongLong();
    }

private:
    QString m_name;
};
