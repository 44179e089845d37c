#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantList>

// The reference service's own database, opened read-only beside the running service, to read
// back what the console stored.
class ServiceDatabase
{
public:
    explicit ServiceDatabase(const QString &path);
    ~ServiceDatabase();
    ServiceDatabase(const ServiceDatabase &) = delete;
    ServiceDatabase &operator=(const ServiceDatabase &) = delete;

    bool open();
    QSqlDatabase database() const;
    // The first column of the first row; invalid when the query fails or finds nothing.
    QVariant scalar(const QString &sql);
    // The first column of every row.
    QVariantList column(const QString &sql);

private:
    QString m_connection;
};
