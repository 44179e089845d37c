#pragma once

#include "Session.h"

#include <QJsonObject>
#include <QSqlQuery>
#include <QString>
#include <optional>

namespace service {

class AccessPolicy;
class Database;

struct UserRecord
{
    qint64 id = 0;
    QString name;
    qint64 customerId = 0;
    int role = 0;
    bool builtIn = false;
    bool disabled = false;
    bool archived = false;

    QJsonObject toJson() const;
    // From a row of selectColumns.
    static UserRecord fromRow(const QSqlQuery &row);
    static QString selectColumns();
};

// Looks users up and decides whether a caller may manage one.
class UserDirectory
{
public:
    UserDirectory(Database &database, AccessPolicy &policy);

    std::optional<UserRecord> find(qint64 userId);
    // A login record as answers carry it: the login name only, never the password or its hash.
    static QJsonObject loginJson(
        qint64 id, qint64 userId, const QString &method, const QString &login);
    // The user, when the caller is an administrator whose reach and rank cover him.
    UserRecord requireManageable(const Caller &caller, qint64 userId);

private:
    Database &m_database;
    AccessPolicy &m_policy;
};

} // namespace service
