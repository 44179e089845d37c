#include "DemoSeeder.h"

#include "Catalogues.h"
#include "Database.h"
#include "PasswordHasher.h"
#include "Protocol.h"
#include "RolloutRepository.h"
#include "TaskProgress.h"
#include "WireDate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

namespace service {

namespace {
constexpr qint64 minuteMs = 60LL * 1000;
constexpr qint64 dayMs = 24 * 60 * minuteMs;

// Location ids of the demo organisation.
enum Location : qint64 {
    District = 1,
    Office = 2,
    BlueCampus = 3,
    GreenCampus = 4,
    RedCampus = 5,
    BlueLibrary = 6,
    OldAnnex = 7,
};

struct Campus
{
    qint64 tag;
    qint64 location;
    QVector<qint64> floors;
    int weight;
};

const QVector<Campus> campuses {
    { 310, BlueCampus, { 311, 312, 313, 314, 315, 316 }, 50 },
    { 320, GreenCampus, { 321, 322 }, 25 },
    { 330, RedCampus, { 331, 332, 333 }, 25 },
};
const QStringList sizes { QStringLiteral("55"), QStringLiteral("65"), QStringLiteral("70"),
    QStringLiteral("75"), QStringLiteral("84") };
const QStringList cabinets { QStringLiteral("Lecture hall"), QStringLiteral("Negotiation room"),
    QStringLiteral("Generic classroom"), QStringLiteral("Physics classroom"),
    QStringLiteral("Biology classroom") };

QString modelId(int generation, int size)
{
    return QStringLiteral("m-g%1-%2").arg(generation + 3).arg(sizes.at(size));
}
} // namespace

const QVector<DemoSeeder::DemoLogin> &DemoSeeder::demoLogins()
{
    static const QVector<DemoLogin> logins {
        { "god@example.com", "demo-god-2026", "Gloria Admin (God)", int(UserRole::God), District },
        { "admin@example.com", "demo-admin-2026", "Adam District", int(UserRole::Administrator),
            District },
        { "localadmin@example.com", "demo-local-2026", "Lena Blue",
            int(UserRole::LocalAdministrator), BlueCampus },
        { "technician@example.com", "demo-tech-2026", "Theo Fixer", int(UserRole::Technician),
            BlueCampus },
    };
    return logins;
}

DemoSeeder::DemoSeeder(Database &database, const Catalogues &catalogues, QString otaUri)
    : m_database(database)
    , m_catalogues(catalogues)
    , m_otaUri(std::move(otaUri))
{ }

bool DemoSeeder::isEmpty()
{
    QSqlQuery query = m_database.prepare(QStringLiteral("SELECT count(*) FROM customers"));
    Database::exec(query);
    return query.next() && query.value(0).toInt() == 0;
}

void DemoSeeder::seed(int deviceCount, quint32 seed)
{
    m_random.seed(seed);
    m_database.write([&] {
        seedLocations();
        seedUsers();
        seedTags();
        seedCatalogue();
        seedDevices(deviceCount);
        seedTasks(WireDate::nowMs());
    });
}

void DemoSeeder::seedLocations()
{
    const struct
    {
        qint64 id;
        const char *name;
        const char *domain;
        qint64 owner;
        bool archived;
    } rows[] = {
        { District, "Kestrum Demo District", "district.example.com", 0, false },
        { Office, "District Office", "office.example.com", District, false },
        { BlueCampus, "Blue Campus", "blue.example.com", District, false },
        { GreenCampus, "Green Campus", "green.example.com", District, false },
        { RedCampus, "Red Campus", "red.example.com", District, false },
        { BlueLibrary, "Blue Campus Library", "library.blue.example.com", BlueCampus, false },
        { OldAnnex, "Old Annex", "annex.example.com", District, true },
    };
    QSqlQuery insert = m_database.prepare(QStringLiteral(
        "INSERT INTO customers (id, name, domain, owner_id, archived) VALUES (?, ?, ?, ?, ?)"));
    for (const auto &row : rows) {
        insert.bindValue(0, row.id);
        insert.bindValue(1, QString::fromUtf8(row.name));
        insert.bindValue(2, QString::fromUtf8(row.domain));
        insert.bindValue(3, row.owner);
        insert.bindValue(4, row.archived ? 1 : 0);
        Database::exec(insert);
    }
}

void DemoSeeder::seedUsers()
{
    QSqlQuery user
        = m_database.prepare(QStringLiteral("INSERT INTO users (name, customer_id, role, built_in, "
                                            "disabled, archived) VALUES (?, ?, ?, ?, ?, ?)"));
    QSqlQuery login = m_database.prepare(
        QStringLiteral("INSERT INTO logins (user_id, method, login, salt, hash, iterations) VALUES "
                       "(?, 'login-password', ?, ?, ?, ?)"));
    const auto addUser = [&](const QString &name, qint64 customer, int role, bool builtIn,
                             bool disabled, bool archived) {
        user.bindValue(0, name);
        user.bindValue(1, customer);
        user.bindValue(2, role);
        user.bindValue(3, builtIn ? 1 : 0);
        user.bindValue(4, disabled ? 1 : 0);
        user.bindValue(5, archived ? 1 : 0);
        Database::exec(user);
        return m_database.lastInsertId(user);
    };
    for (const DemoLogin &demo : demoLogins()) {
        const qint64 id = addUser(QString::fromUtf8(demo.userName), demo.customerId, demo.role,
            demo.role == int(UserRole::God), false, false);
        const auto hash = PasswordHasher::hash(QString::fromUtf8(demo.password));
        login.bindValue(0, id);
        login.bindValue(1, QString::fromUtf8(demo.login));
        login.bindValue(2, hash.salt);
        login.bindValue(3, hash.key);
        login.bindValue(4, hash.iterations);
        Database::exec(login);
    }
    addUser(QStringLiteral("Gina Green"), GreenCampus, int(UserRole::LocalAdministrator), false,
        false, false);
    addUser(QStringLiteral("Rob Red"), RedCampus, int(UserRole::Technician), false, false, false);
    addUser(
        QStringLiteral("Otto Office"), Office, int(UserRole::Administrator), false, true, false);
    addUser(
        QStringLiteral("Ann Former"), BlueCampus, int(UserRole::Technician), false, false, true);
    addUser(QStringLiteral("Fleet State Keeper"), District, int(UserRole::DeviceStateMaintainer),
        true, false, false);
}

void DemoSeeder::seedTags()
{
    QSqlQuery insert = m_database.prepare(
        QStringLiteral("INSERT INTO tags (id, parent_id, name, customer_id) VALUES (?, ?, ?, ?)"));
    const auto add = [&](qint64 id, qint64 parent, const QString &name) {
        insert.bindValue(0, id);
        insert.bindValue(1, parent);
        insert.bindValue(2, name);
        insert.bindValue(3, qint64(District));
        Database::exec(insert);
    };
    add(10, 0, QStringLiteral("Screen Size"));
    for (int i = 0; i < sizes.size(); ++i)
        add(11 + i, 10, sizes.at(i) + QLatin1Char('"'));
    add(20, 0, QStringLiteral("Generation"));
    add(21, 20, QStringLiteral("Gen 3"));
    add(22, 20, QStringLiteral("Gen 4"));
    add(300, 0, QStringLiteral("Infrastructure"));
    add(310, 300, QStringLiteral("Blue Campus"));
    add(320, 300, QStringLiteral("Green Campus"));
    add(330, 300, QStringLiteral("Red Campus"));
    for (const Campus &campus : campuses) {
        for (int floor = 0; floor < campus.floors.size(); ++floor)
            add(campus.floors.at(floor), campus.tag, QStringLiteral("Floor %1").arg(floor + 1));
    }
    add(400, 0, QStringLiteral("Cabinet type"));
    for (int i = 0; i < cabinets.size(); ++i)
        add(401 + i, 400, cabinets.at(i));
}

void DemoSeeder::seedCatalogue()
{
    QSqlQuery firmware
        = m_database.prepare(QStringLiteral("INSERT INTO firmwares (id, name) VALUES (?, ?)"));
    for (const auto &line : m_catalogues.firmwareLines()) {
        for (const QString &version : line.versions) {
            firmware.bindValue(0, QStringLiteral("fw-") + line.code + version);
            firmware.bindValue(1, line.code + version);
            Database::exec(firmware);
        }
    }
    QSqlQuery model
        = m_database.prepare(QStringLiteral("INSERT INTO models (id, name) VALUES (?, ?)"));
    for (int generation = 0; generation < 2; ++generation) {
        for (int size = 0; size < sizes.size(); ++size) {
            model.bindValue(0, modelId(generation, size));
            model.bindValue(
                1, QStringLiteral("Gen %1 %2\"").arg(generation + 3).arg(sizes.at(size)));
            Database::exec(model);
        }
    }
}

void DemoSeeder::seedDevices(int deviceCount)
{
    const qint64 now = WireDate::nowMs();
    QSqlQuery device = m_database.prepare(QStringLiteral(
        "INSERT INTO devices (id, name, type, model_id, firmware_id, customer_id, is_online, "
        "last_online_ms, "
        "registered_ms, description, ip, mac) VALUES (?, ?, 'ifp', ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    QSqlQuery tag = m_database.prepare(
        QStringLiteral("INSERT INTO device_tags (device_id, tag_id) VALUES (?, ?)"));
    QVector<qint64> ids;
    for (int i = 0; i < deviceCount; ++i) {
        const qint64 id = 70001 + i;
        const int roll = int(m_random.bounded(100));
        const Campus &campus = roll < campuses[0].weight ? campuses[0]
            : roll < 75                                  ? campuses[1]
                                                         : campuses[2];
        const int floor = int(m_random.bounded(campus.floors.size()));
        const int size = int(m_random.bounded(sizes.size()));
        const int generation = m_random.bounded(100) < 55 ? 0 : 1;
        const int cabinet = int(m_random.bounded(cabinets.size()));
        const auto &line = m_catalogues.firmwareLines().at(generation);
        // Most devices run the latest firmware; the rest lag one or two versions behind.
        const int lag = int(m_random.bounded(100));
        const int versionIndex = line.versions.size() - 1 - (lag < 60 ? 0 : lag < 90 ? 1 : 2);
        const QString firmware
            = QStringLiteral("fw-") + line.code + line.versions.at(std::max(0, versionIndex));

        QVariant customer = campus.location;
        const int placement = int(m_random.bounded(100));
        if (placement < 2)
            customer = QVariant(QVariant::LongLong); // waiting to be registered
        else if (placement < 4)
            customer = qint64(OldAnnex);
        else if (campus.location == BlueCampus && placement < 14)
            customer = qint64(BlueLibrary);

        device.bindValue(0, id);
        device.bindValue(1,
            QStringLiteral("IFP %1 %2\" #%3")
                .arg(line.generation, sizes.at(size))
                .arg(i + 1, 4, 10, QLatin1Char('0')));
        device.bindValue(2, modelId(generation, size));
        device.bindValue(3, firmware);
        device.bindValue(4, customer);
        device.bindValue(5, m_random.bounded(100) < 70 ? 1 : 0);
        device.bindValue(6, now - qint64(m_random.bounded(3 * 24 * 60)) * minuteMs);
        device.bindValue(7, now - qint64(30 + m_random.bounded(700)) * dayMs);
        device.bindValue(
            8, QStringLiteral("%1, floor %2").arg(cabinets.at(cabinet)).arg(floor + 1));
        device.bindValue(9,
            QStringLiteral("10.%1.%2.%3")
                .arg(campus.tag / 10 - 30)
                .arg(floor + 1)
                .arg(i % 250 + 1));
        device.bindValue(10,
            QStringLiteral("02:4b:%1:%2:%3:%4")
                .arg((id >> 24) & 0xff, 2, 16, QLatin1Char('0'))
                .arg((id >> 16) & 0xff, 2, 16, QLatin1Char('0'))
                .arg((id >> 8) & 0xff, 2, 16, QLatin1Char('0'))
                .arg(id & 0xff, 2, 16, QLatin1Char('0')));
        Database::exec(device);
        const qint64 tags[] = { 10, 11 + size, 20, 21 + generation, 300, campus.tag,
            campus.floors.at(floor), 400, 401 + cabinet };
        for (qint64 tagId : tags) {
            tag.bindValue(0, id);
            tag.bindValue(1, tagId);
            Database::exec(tag);
        }
        ids.append(id);
    }
    seedSettings(ids);
}

void DemoSeeder::seedSettings(const QVector<qint64> &deviceIds)
{
    QSqlQuery insert = m_database.prepare(QStringLiteral(
        "INSERT INTO settings (device_id, name, value, user_id, customer_id, hash, stamp_ms, "
        "revision) "
        "SELECT ?, ?, ?, 2, coalesce(customer_id, 0), '', ?, 1 FROM devices WHERE id = ?"));
    const QJsonArray schedule {
        QJsonObject { { QStringLiteral("action"), QStringLiteral("on") },
            { QStringLiteral("plan"),
                QJsonObject { { QStringLiteral("t"), QStringLiteral("07:30:00.000") },
                    { QStringLiteral("p"), QJsonArray { "Mon", "Tue", "Wed", "Thu", "Fri" } },
                    { QStringLiteral("e"), true } } } },
        QJsonObject { { QStringLiteral("action"), QStringLiteral("off") },
            { QStringLiteral("plan"),
                QJsonObject { { QStringLiteral("t"), QStringLiteral("18:00:00.000") },
                    { QStringLiteral("p"), QJsonArray { "Mon", "Tue", "Wed", "Thu", "Fri" } },
                    { QStringLiteral("e"), true } } } },
    };
    const QString scheduleText
        = QString::fromUtf8(QJsonDocument(schedule).toJson(QJsonDocument::Compact));
    const qint64 now = WireDate::nowMs();
    const auto add = [&](qint64 device, const QString &name, const QString &value) {
        insert.bindValue(0, device);
        insert.bindValue(1, name);
        insert.bindValue(2, value);
        insert.bindValue(3, now);
        insert.bindValue(4, device);
        Database::exec(insert);
    };
    for (qint64 device : deviceIds) {
        const int roll = int(m_random.bounded(100));
        if (roll < 50)
            add(device, QStringLiteral("dateTime.autoSync"),
                roll < 40 ? QStringLiteral("true") : QStringLiteral("false"));
        if (roll % 3 == 0)
            add(device, QStringLiteral("power.schedule"), scheduleText);
    }
}

qint64 DemoSeeder::addTask(int type, const QString &data, qint64 validFromMs, qint64 createdMs,
    const QString &deviceCondition, const QVector<int> &statusCycle)
{
    QSqlQuery task = m_database.prepare(QStringLiteral(
        "INSERT INTO tasks (type, status, data, dispersion, valid_from_ms, valid_to_ms, "
        "created_ms, "
        "created_user_id, customer_id) VALUES (?, 0, ?, '00:30:00', ?, ?, ?, 2, ?)"));
    task.addBindValue(type);
    task.addBindValue(data);
    task.addBindValue(validFromMs);
    task.addBindValue(validFromMs + 2 * dayMs);
    task.addBindValue(createdMs);
    task.addBindValue(qint64(District));
    Database::exec(task);
    const qint64 taskId = m_database.lastInsertId(task);

    QSqlQuery devices = m_database.prepare(QStringLiteral("SELECT d.id FROM devices d WHERE ")
        + deviceCondition + QStringLiteral(" ORDER BY d.id"));
    Database::exec(devices);
    QSqlQuery ticket = m_database.prepare(
        QStringLiteral("INSERT INTO tickets (task_id, device_id, status, result, started_ms, "
                       "executed_ms) VALUES (?, ?, ?, ?, ?, ?)"));
    int index = 0;
    while (devices.next()) {
        const int status = statusCycle.at(index++ % statusCycle.size());
        const bool started = status != int(TaskStatus::Pending);
        const bool finished = started && status != int(TaskStatus::Running);
        ticket.bindValue(0, taskId);
        ticket.bindValue(1, devices.value(0).toLongLong());
        ticket.bindValue(2, status);
        ticket.bindValue(3,
            status == int(TaskStatus::Completed)
                ? QStringLiteral("{\"code\":0,\"message\":\"done\"}")
                : status == int(TaskStatus::Failed)
                ? QStringLiteral("{\"code\":17,\"message\":\"device busy\"}")
                : QStringLiteral(""));
        ticket.bindValue(4, started ? validFromMs + 5 * minuteMs : 0);
        ticket.bindValue(5, finished ? validFromMs + 9 * minuteMs : 0);
        Database::exec(ticket);
    }
    TaskProgress(m_database).refresh({ taskId });
    return taskId;
}

void DemoSeeder::seedTasks(qint64 nowMs)
{
    const int pending = int(TaskStatus::Pending), running = int(TaskStatus::Running),
              completed = int(TaskStatus::Completed), canceled = int(TaskStatus::Canceled),
              failed = int(TaskStatus::Failed);
    const auto json = [](const QJsonObject &object) {
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    };
    addTask(int(TaskType::ShowMessage),
        json({ { QStringLiteral("message"),
                   QStringLiteral("Fire drill at 10:00 — please leave the building calmly.") },
            { QStringLiteral("image"), QJsonObject { { QStringLiteral("src"), QString() } } } }),
        nowMs - 6 * dayMs, nowMs - 6 * dayMs, QStringLiteral("d.customer_id = 5"), { completed });
    addTask(int(TaskType::FirmwareUpdate),
        json({ { QStringLiteral("uri"), m_otaUri },
            { QStringLiteral("version"), QStringLiteral("1100") } }),
        nowMs - 3 * dayMs, nowMs - 3 * dayMs, QStringLiteral("d.firmware_id = 'fw-G31040'"),
        { completed, completed, failed });
    addTask(int(TaskType::SoftwareUpdate),
        json({ { QStringLiteral("packageName"), QStringLiteral("com.kestrum.whiteboard") },
            { QStringLiteral("name"), QStringLiteral("Whiteboard") },
            { QStringLiteral("versionCode"), QStringLiteral("9") } }),
        nowMs - 2 * dayMs, nowMs - 2 * dayMs, QStringLiteral("d.customer_id = 4"), { canceled });
    addTask(int(TaskType::ShowMessage),
        json({ { QStringLiteral("message"),
                   QStringLiteral("Welcome back! The library opens at 8:00.") },
            { QStringLiteral("image"), QJsonObject { { QStringLiteral("src"), QString() } } } }),
        nowMs - 20 * minuteMs, nowMs - 20 * minuteMs, QStringLiteral("d.customer_id IN (3, 6)"),
        { completed, running, pending, failed, completed, pending });
    addTask(int(TaskType::AutoPowerOff),
        json({ { QStringLiteral("t"), QStringLiteral("19:00:00.000") },
            { QStringLiteral("p"), QJsonArray { "Everyday" } } }),
        nowMs + dayMs, nowMs - 5 * minuteMs,
        QStringLiteral(
            "d.customer_id = 2 OR d.id IN (SELECT device_id FROM device_tags WHERE tag_id = 401)"),
        { pending });
}

void DemoSeeder::seedRollout()
{
    const Catalogues::FirmwareLine &line = m_catalogues.firmwareLines().last();
    QStringList behind;
    for (int i = 0; i + 1 < line.versions.size(); ++i)
        behind.append(QStringLiteral("'fw-%1%2'").arg(line.code, line.versions.at(i)));
    QSqlQuery devices = m_database.prepare(
        QStringLiteral("SELECT id FROM devices WHERE customer_id IS NOT NULL AND firmware_id IN (")
        + behind.join(QLatin1Char(',')) + QStringLiteral(") ORDER BY id"));
    Database::exec(devices);
    RolloutRepository::Target target;
    target.data
        = QString::fromUtf8(QJsonDocument(QJsonObject { { QStringLiteral("uri"), m_otaUri },
                                              { QStringLiteral("version"), line.versions.last() } })
                                .toJson(QJsonDocument::Compact));
    while (devices.next())
        target.deviceIds.append(devices.value(0).toLongLong());
    if (target.deviceIds.isEmpty())
        return;
    RolloutRepository::NewRollout plan;
    plan.type = int(TaskType::FirmwareUpdate);
    plan.dispersion = QStringLiteral("00:00:10");
    plan.percents = { 10, 30 };
    plan.thresholds.automatic = false;
    // A first group of a few devices: one failure alone should not stop the demo.
    plan.thresholds.errorPercent = 20;
    plan.userId = 2; // the demo administrator, who made the demo tasks too
    plan.customerId = District;
    plan.targets = { target };
    TaskProgress progress(m_database);
    RolloutRepository(m_database, progress).add(plan, LocationReach::everything());
}

} // namespace service
