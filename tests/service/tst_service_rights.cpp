// Rights by role and by location: refused calls answer status 3 and change nothing.
#include "ServiceProcess.h"
#include "ServiceTestData.h"

#include <QJsonDocument>
#include <QtTest>
#include <memory>

class ServiceRightsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void rights_data();
    void rights();
    void userContext_data();
    void userContext();
    void roleSessionActsWithItsRole();
    void serviceRolesHaveNoConsoleAccess();

private:
    QString tokenOf(const QString &login)
    {
        if (!m_tokens.contains(login))
            m_tokens.insert(login, m_client->login(login, demo::passwordOf(login)));
        return m_tokens.value(login);
    }
    qint64 changeCount() const
    {
        return m_oracle->number(QStringLiteral(
            "SELECT (SELECT count(*) FROM users) + (SELECT count(*) FROM customers) + (SELECT "
            "count(*) FROM tags) "
            "+ (SELECT count(*) FROM tasks) + (SELECT count(*) FROM device_tags) + (SELECT "
            "count(*) FROM settings) "
            "+ (SELECT total(length(name)) FROM devices) + (SELECT count(*) FROM devices WHERE "
            "customer_id IS NULL) "
            "+ (SELECT total(archived) FROM customers) + (SELECT total(role) FROM users)"));
    }

    ServiceProcess m_service;
    std::unique_ptr<ServiceClient> m_client;
    std::unique_ptr<DatabaseOracle> m_oracle;
    QHash<QString, QString> m_tokens;
};

void ServiceRightsTest::initTestCase()
{
    QVERIFY2(m_service.start(), qPrintable(m_service.errorOutput()));
    m_client = std::make_unique<ServiceClient>(m_service.port());
    m_oracle = std::make_unique<DatabaseOracle>(m_service.databasePath());
}

void ServiceRightsTest::cleanupTestCase()
{
    m_oracle.reset();
    m_client.reset();
    m_service.stop();
}

void ServiceRightsTest::rights_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");

    const QString tech = demo::technician, local = demo::localAdmin, admin = demo::admin;
    // Technicians read devices, tasks and tickets and create tasks; nothing else.
    QTest::newRow("technician lists devices") << tech << "listDevices" << QByteArray("{}") << 0;
    QTest::newRow("technician lists tickets") << tech << "listTickets" << QByteArray("{}") << 0;
    QTest::newRow("technician adds a task")
        << tech << "addTask"
        << QByteArray(R"({"devicesFilter":{"ids":[70001,70002,70003]},"task":{"t":5,"d":""}})")
        << 0;
    QTest::newRow("technician adds a user")
        << tech << "addUser" << QByteArray(R"({"user":{"n":"Eve","cId":3,"r":2}})") << 3;
    QTest::newRow("technician adds a location")
        << tech << "addCustomer" << QByteArray(R"({"customer":{"n":"Lab","oid":3}})") << 3;
    QTest::newRow("technician renames a device")
        << tech << "updateDevice" << QByteArray(R"({"device":{"id":70001,"n":"x"}})") << 3;
    QTest::newRow("technician cancels a task")
        << tech << "cancelTask" << QByteArray(R"({"taskId":4})") << 3;
    QTest::newRow("technician adds a tag")
        << tech << "addTag" << QByteArray(R"({"tag":{"n":"Mine","pId":0}})") << 3;
    QTest::newRow("technician tags devices")
        << tech << "tagDevices" << QByteArray(R"({"tagId":10,"filter":{}})") << 3;
    QTest::newRow("technician writes settings")
        << tech << "writeSettings"
        << QByteArray(R"({"setting":[{"n":"dateTime.autoSync","v":"true"}],"devicesFilter":{}})")
        << 3;
    QTest::newRow("technician lists roles")
        << tech << "listRolesAllowedToCreate" << QByteArray("{}") << 3;
    QTest::newRow("technician creates a role session")
        << tech << "createRoleSession"
        << QByteArray(
               R"({"role":2,"validFrom":"2030-01-01T00:00:00Z","validTo":"2030-01-02T00:00:00Z"})")
        << 3;
    QTest::newRow("technician reads another user's logins")
        << tech << "listLogins" << QByteArray(R"({"filter":{"userId":2}})") << 3;
    // Local administrators manage their own location, but create no locations.
    QTest::newRow("local admin adds a location")
        << local << "addCustomer" << QByteArray(R"({"customer":{"n":"Lab","oid":3}})") << 3;
    QTest::newRow("local admin edits a sublocation")
        << local << "updateCustomer"
        << QByteArray(R"({"customer":{"id":6,"n":"Blue Library","d":"lib.example.com"}})") << 0;
    QTest::newRow("local admin edits another campus")
        << local << "updateCustomer" << QByteArray(R"({"customer":{"id":4,"n":"Mine now"}})") << 3;
    QTest::newRow("local admin edits the district admin")
        << local << "updateUser" << QByteArray(R"({"user":{"id":2,"n":"Renamed"}})") << 3;
    QTest::newRow("local admin grants Administrator")
        << local << "addUser" << QByteArray(R"({"user":{"n":"Boss","cId":3,"r":1}})") << 3;
    QTest::newRow("local admin adds a technician")
        << local << "addUser" << QByteArray(R"({"user":{"n":"Tina","cId":6,"r":2}})") << 0;
    QTest::newRow("local admin adds a user elsewhere")
        << local << "addUser" << QByteArray(R"({"user":{"n":"Tom","cId":4,"r":2}})") << 3;
    QTest::newRow("local admin renames a device elsewhere")
        << local << "updateDevice"
        << QStringLiteral(R"({"device":{"id":%1,"n":"x"}})")
               .arg(m_oracle->number("SELECT min(id) FROM devices WHERE customer_id = 4"))
               .toUtf8()
        << 3;
    QTest::newRow("local admin cancels a district task")
        << local << "cancelTask" << QByteArray(R"({"taskId":1})") << 3;
    QTest::newRow("local admin lists users elsewhere")
        << local << "listUsers" << QByteArray(R"({"filter":{"customerId":4}})") << 3;
    QTest::newRow("local admin creates a role session")
        << local << "createRoleSession"
        << QByteArray(
               R"({"role":2,"validFrom":"2030-01-01T00:00:00Z","validTo":"2030-01-02T00:00:00Z"})")
        << 3;
    // Administrators manage their whole subtree; root locations and God are God's.
    QTest::newRow("admin adds a root location")
        << admin << "addCustomer" << QByteArray(R"({"customer":{"n":"Other district","oid":0}})")
        << 3;
    QTest::newRow("admin grants God")
        << admin << "addUser" << QByteArray(R"({"user":{"n":"Zeus","cId":1,"r":0}})") << 3;
    QTest::newRow("admin archives God")
        << admin << "updateUser" << QByteArray(R"({"user":{"id":1,"a":true}})") << 3;
    QTest::newRow("admin moves his own location")
        << admin << "updateCustomer" << QByteArray(R"({"customer":{"id":1,"oid":3}})") << 3;
    QTest::newRow("admin role session for God")
        << admin << "createRoleSession"
        << QByteArray(
               R"({"role":0,"validFrom":"2030-01-01T00:00:00Z","validTo":"2030-01-02T00:00:00Z"})")
        << 3;
}

void ServiceRightsTest::rights()
{
    QFETCH(QString, login);
    QFETCH(QString, method);
    QFETCH(QByteArray, body);
    QFETCH(int, status);

    QJsonObject request = QJsonDocument::fromJson(body).object();
    const qint64 before = changeCount();
    const QJsonObject answer = m_client->call(method, request, tokenOf(login));
    QCOMPARE(statusOf(answer), status);
    if (status != 0) {
        QCOMPARE(answer.value(QLatin1String("result")), QJsonValue(QJsonValue::Null));
        QCOMPARE(changeCount(), before);
    }
}

void ServiceRightsTest::userContext_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<int>("targetUser");
    QTest::addColumn<int>("status");
    QTest::newRow("admin into technician") << demo::admin << 4 << 0;
    QTest::newRow("admin into God") << demo::admin << 1 << 3;
    QTest::newRow("local admin into another campus") << demo::localAdmin << 5 << 3;
    QTest::newRow("local admin into his technician") << demo::localAdmin << 4 << 0;
    QTest::newRow("technician into anyone") << demo::technician << 3 << 3;
    QTest::newRow("God into an archived user") << demo::god << 8 << 7;
    QTest::newRow("unknown user") << demo::god << 4242 << 5;
}

void ServiceRightsTest::userContext()
{
    QFETCH(QString, login);
    QFETCH(int, targetUser);
    QFETCH(int, status);

    const QJsonObject answer = m_client->call(QStringLiteral("login"),
        { { QStringLiteral("method"), QStringLiteral("user-context") },
            { QStringLiteral("data"),
                QJsonObject { { QStringLiteral("sessionToken"), tokenOf(login) },
                    { QStringLiteral("userId"), QString::number(targetUser) },
                    { QStringLiteral("login"), QJsonValue::Null },
                    { QStringLiteral("password"), QJsonValue::Null } } } });
    QCOMPARE(statusOf(answer), status);
    if (status != 0)
        return;
    const QJsonObject granted = resultOf(answer);
    QCOMPARE(keysOf(granted), sortedKeys(QStringLiteral("ca,r,t,uId,uea")));
    QCOMPARE(granted.value(QLatin1String("uId")).toInt(), targetUser);
    QVERIFY(granted.value(QLatin1String("t")).toString() != tokenOf(login));
    // The context token acts as the target user.
    const QJsonObject info = m_client->call(
        QStringLiteral("getSessionInfo"), {}, granted.value(QLatin1String("t")).toString());
    QCOMPARE(resultOf(info).value(QLatin1String("uId")).toInt(), targetUser);
}

void ServiceRightsTest::roleSessionActsWithItsRole()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QJsonObject created = m_client->call(QStringLiteral("createRoleSession"),
        { { QStringLiteral("role"), 2 },
            { QStringLiteral("validFrom"), now.addSecs(-60).toString(Qt::ISODateWithMs) },
            { QStringLiteral("validTo"), now.addDays(1).toString(Qt::ISODateWithMs) } },
        tokenOf(demo::admin));
    QCOMPARE(statusOf(created), 0);
    const QString token = resultOf(created).value(QLatin1String("t")).toString();
    QCOMPARE(statusOf(m_client->call(QStringLiteral("listDevices"), {}, token)), 0);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("addTag"),
                 { { QStringLiteral("tag"),
                     QJsonObject { { QStringLiteral("n"), QStringLiteral("Nope") } } } },
                 token)),
        3);

    // A window that has not begun yet gives a token that does not work yet.
    const QJsonObject future = m_client->call(QStringLiteral("createRoleSession"),
        { { QStringLiteral("role"), 1 },
            { QStringLiteral("validFrom"), now.addDays(1).toString(Qt::ISODateWithMs) },
            { QStringLiteral("validTo"), now.addDays(2).toString(Qt::ISODateWithMs) } },
        tokenOf(demo::god));
    QCOMPARE(statusOf(future), 0);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("listDevices"), {},
                 resultOf(future).value(QLatin1String("t")).toString())),
        2);
}

void ServiceRightsTest::serviceRolesHaveNoConsoleAccess()
{
    // The demo's device state maintainer (user 9) gets a login so that it can call in.
    const QJsonObject login = m_client->call(QStringLiteral("addLogin"),
        { { QStringLiteral("login"),
            QJsonObject { { QStringLiteral("userId"), 9 },
                { QStringLiteral("data"),
                    QJsonObject { { QStringLiteral("login"), QStringLiteral("keeper@example.com") },
                        { QStringLiteral("password"), QStringLiteral("keeper-2026") } } } } } },
        tokenOf(demo::god));
    QCOMPARE(statusOf(login), 0);
    const QString token
        = m_client->login(QStringLiteral("keeper@example.com"), QStringLiteral("keeper-2026"));
    QVERIFY(!token.isEmpty());
    QCOMPARE(statusOf(m_client->call(QStringLiteral("getSessionInfo"), {}, token)), 0);
    for (const char *method :
        { "listDevices", "listUsers", "listTags", "listTasks", "listCustomers" })
        QCOMPARE(statusOf(m_client->call(QString::fromLatin1(method), {}, token)), 3);
}

QTEST_GUILESS_MAIN(ServiceRightsTest)
#include "tst_service_rights.moc"
