#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QVector>

namespace service {

class Catalogues;
class Database;

// Fills an empty database with a demo organisation: locations, one user per console role, the
// tag tree, devices with models, firmware, settings and tags, and tasks with tickets in every
// status. The same seed gives the same data.
class DemoSeeder
{
public:
    struct DemoLogin
    {
        const char *login;
        const char *password;
        const char *userName;
        int role;
        qint64 customerId;
    };
    static const QVector<DemoLogin> &demoLogins();

    DemoSeeder(Database &database, const Catalogues &catalogues, QString otaUri);

    bool isEmpty();
    void seed(int deviceCount, quint32 seed = 20260);
    // A staged firmware update of the devices behind on the newest firmware line, waiting for
    // approval after each group, so that a living demo fleet shows a rollout moving on.
    void seedRollout();

private:
    void seedLocations();
    void seedUsers();
    void seedTags();
    void seedCatalogue();
    void seedDevices(int deviceCount);
    void seedSettings(const QVector<qint64> &deviceIds);
    void seedTasks(qint64 nowMs);
    qint64 addTask(int type, const QString &data, qint64 validFromMs, qint64 createdMs,
        const QString &deviceCondition, const QVector<int> &statusCycle);

    Database &m_database;
    const Catalogues &m_catalogues;
    QString m_otaUri;
    QRandomGenerator m_random;
};

} // namespace service
