// Role sessions, dates, logins and sessions as an attacker would try them: every refused call
// leaves the stored state as it was.
#include "RawHttpConnection.h"
#include "ServiceTestCase.h"
#include "ServiceTestData.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QThread>
#include <QtTest>
#include <memory>

class ServiceSessionRightsTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void roleSessionCannotTakeOverItsIssuer();
    void datesBeyondRealOnesAreRefused_data();
    void datesBeyondRealOnesAreRefused();
    void deleteTagNeedsTheWholeSubtree();
    void outOfReachLooksLikeMissing_data();
    void outOfReachLooksLikeMissing();
    void onlyHigherRolesManageLoginsAndAccess();
    void passwordRules_data();
    void passwordRules();
    void tokensAreStoredHashedInPrivateFiles();
    void passwordChangeEndsOtherSessions();
    void logoffEndsDerivedContexts();
    void failedLoginsAreThrottled();

private:
    QString login(const QString &name) { return m_client->login(name, demo::passwordOf(name)); }
    QJsonObject call(const QString &method, const QByteArray &body, const QString &token)
    {
        return m_client->call(method, QJsonDocument::fromJson(body).object(), token);
    }
    QJsonObject addLogin(
        const QString &token, qint64 userId, const QString &name, const QString &password)
    {
        return m_client->call(QStringLiteral("addLogin"),
            { { QStringLiteral("login"),
                QJsonObject { { QStringLiteral("userId"), userId },
                    { QStringLiteral("method"), QStringLiteral("login-password") },
                    { QStringLiteral("data"),
                        QJsonObject { { QStringLiteral("login"), name },
                            { QStringLiteral("password"), password } } } } } },
            token);
    }
    QString roleSession(const QString &issuer, int role)
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        return resultOf(
            m_client->call(QStringLiteral("createRoleSession"),
                { { QStringLiteral("role"), role },
                    { QStringLiteral("validFrom"), now.addSecs(-60).toString(Qt::ISODateWithMs) },
                    { QStringLiteral("validTo"), now.addSecs(3600).toString(Qt::ISODateWithMs) } },
                issuer))
            .value(QLatin1String("t"))
            .toString();
    }
    QJsonObject intoContext(const QString &ownToken, qint64 userId)
    {
        return m_client->call(QStringLiteral("login"),
            { { QStringLiteral("method"), QStringLiteral("user-context") },
                { QStringLiteral("data"),
                    QJsonObject { { QStringLiteral("sessionToken"), ownToken },
                        { QStringLiteral("userId"), QString::number(userId) } } } });
    }
    qint64 fingerprint() const
    {
        return m_oracle->number(QStringLiteral(
            "SELECT (SELECT count(*) FROM tags) + (SELECT count(*) FROM device_tags) "
            "+ (SELECT count(*) FROM tasks) + (SELECT count(*) FROM users) "
            "+ (SELECT total(length(hash)) + total(length(login)) FROM logins)"));
    }
};

void ServiceSessionRightsTest::roleSessionCannotTakeOverItsIssuer()
{
    const QString admin = login(demo::admin);
    const QString token = roleSession(admin, 1);
    QVERIFY(!token.isEmpty());
    const qint64 before = fingerprint();
    // Not the issuer's password, not a longer token, not an ordinary session in a context.
    QCOMPARE(statusOf(addLogin(token, 2, demo::admin, QStringLiteral("taken-over-2026"))), 3);
    QCOMPARE(statusOf(call(QStringLiteral("listLogins"), R"({"filter":{"userId":2}})", token)), 3);
    QCOMPARE(
        statusOf(m_client->call(QStringLiteral("createRoleSession"),
            { { QStringLiteral("role"), 1 },
                { QStringLiteral("validFrom"),
                    QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) },
                { QStringLiteral("validTo"),
                    QDateTime::currentDateTimeUtc().addDays(89).toString(Qt::ISODateWithMs) } },
            token)),
        3);
    QCOMPARE(statusOf(intoContext(token, 4)), 3);
    QCOMPARE(fingerprint(), before);
    QVERIFY(!login(demo::admin).isEmpty());
    // It still acts with its role.
    QCOMPARE(statusOf(call(QStringLiteral("listDevices"), "{}", token)), 0);
}

void ServiceSessionRightsTest::datesBeyondRealOnesAreRefused_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("window overflowing its length check")
        << "createRoleSession" << QByteArray(R"({"role":2,"validFrom":-9.2e18,"validTo":1e17})");
    QTest::newRow("end beyond year 9999")
        << "createRoleSession"
        << QByteArray(R"({"role":2,"validFrom":1700000000000,"validTo":253402300800000})");
    QTest::newRow("date text with too many digits")
        << "createRoleSession"
        << QByteArray(R"({"role":2,"validFrom":{"DateTime":"/Date(1700000000000)/"},)"
                      R"("validTo":{"DateTime":"/Date(99999999999999999999)/"}})");
    QTest::newRow("task start of 1e300")
        << "addTask"
        << QByteArray(R"({"devicesFilter":{"ids":[70001]},"task":{"t":5,"vf":1e300}})");
    QTest::newRow("task end before 1900")
        << "addTask"
        << QByteArray(
               R"({"devicesFilter":{"ids":[70001]},"task":{"t":5,"vf":-3e12,"vt":1700000000000}})");
    QTest::newRow("ticket filter far in the future")
        << "listTickets" << QByteArray(R"({"filter":{"closedAtMin":1e20}})");
}

void ServiceSessionRightsTest::datesBeyondRealOnesAreRefused()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, body);
    const qint64 sessions = m_oracle->number(QStringLiteral("SELECT count(*) FROM sessions"));
    const qint64 before = fingerprint();
    QCOMPARE(statusOf(call(method, body, m_god)), 6);
    QCOMPARE(fingerprint(), before);
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(*) FROM sessions")), sessions);
}

void ServiceSessionRightsTest::deleteTagNeedsTheWholeSubtree()
{
    // The local administrator's tag gets a child from the district, used on a district device.
    const QString local = login(demo::localAdmin);
    const QJsonObject parent
        = call(QStringLiteral("addTag"), R"({"tag":{"n":"Blue only"}})", local);
    QCOMPARE(statusOf(parent), 0);
    const qint64 parentId = resultOf(parent).value(QLatin1String("id")).toVariant().toLongLong();
    const QJsonObject child = call(QStringLiteral("addTag"),
        QStringLiteral(R"({"tag":{"n":"District child","pId":%1}})").arg(parentId).toUtf8(), m_god);
    QCOMPARE(statusOf(child), 0);
    const qint64 childId = resultOf(child).value(QLatin1String("id")).toVariant().toLongLong();
    const qint64 device
        = m_oracle->number(QStringLiteral("SELECT min(id) FROM devices WHERE customer_id = 4"));
    QCOMPARE(statusOf(call(QStringLiteral("tagDevices"),
                 QStringLiteral(R"({"tagId":%1,"filter":{"ids":[%2]}})")
                     .arg(childId)
                     .arg(device)
                     .toUtf8(),
                 m_god)),
        0);

    const qint64 before = fingerprint();
    QCOMPARE(statusOf(call(QStringLiteral("deleteTag"),
                 QStringLiteral(R"({"id":%1})").arg(parentId).toUtf8(), local)),
        3);
    QCOMPARE(fingerprint(), before);
    QCOMPARE(m_oracle->number(
                 QStringLiteral("SELECT count(*) FROM device_tags WHERE tag_id = %1").arg(childId)),
        qint64(1));
    // Once the child is gone, the tag is his to delete.
    QCOMPARE(statusOf(call(QStringLiteral("deleteTag"),
                 QStringLiteral(R"({"id":%1})").arg(childId).toUtf8(), m_god)),
        0);
    QCOMPARE(statusOf(call(QStringLiteral("deleteTag"),
                 QStringLiteral(R"({"id":%1})").arg(parentId).toUtf8(), local)),
        0);
    QCOMPARE(
        m_oracle->number(QStringLiteral("SELECT count(*) FROM tags WHERE id = %1").arg(parentId)),
        qint64(0));
}

void ServiceSessionRightsTest::outOfReachLooksLikeMissing_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("bodyPattern");
    QTest::addColumn<QString>("elsewhereSql");
    QTest::newRow("device") << "updateDevice"
                            << R"({"device":{"id":%1,"n":"x"}})"
                            << "SELECT min(id) FROM devices WHERE customer_id = 4";
    QTest::newRow("setting") << "syncSetting"
                             << R"({"setting":{"dId":%1,"n":"a","v":"b"}})"
                             << "SELECT min(id) FROM devices WHERE customer_id = 4";
    QTest::newRow("user") << "updateUser"
                          << R"({"user":{"id":%1,"n":"x"}})"
                          << "SELECT min(id) FROM users WHERE customer_id = 4";
    QTest::newRow("user context")
        << "login"
        << R"({"method":"user-context","data":{"sessionToken":"%2","userId":%1}})"
        << "SELECT min(id) FROM users WHERE customer_id = 4";
    QTest::newRow("location") << "updateCustomer"
                              << R"({"customer":{"id":%1,"n":"x"}})"
                              << "SELECT 4";
    QTest::newRow("task") << "cancelTask"
                          << R"({"taskId":%1})"
                          << "SELECT min(id) FROM tasks WHERE customer_id <> 3";
    QTest::newRow("ticket") << "cancelTickets"
                            << R"({"ticketIds":[%1]})"
                            << "SELECT min(k.id) FROM tickets k JOIN tasks t ON t.id = k.task_id "
                               "WHERE t.customer_id NOT IN (3, 6)";
}

void ServiceSessionRightsTest::outOfReachLooksLikeMissing()
{
    QFETCH(QString, method);
    QFETCH(QString, bodyPattern);
    QFETCH(QString, elsewhereSql);
    const QString local = login(demo::localAdmin);
    const qint64 elsewhere = m_oracle->number(elsewhereSql);
    QVERIFY(elsewhere > 0);
    const auto answer = [&](qint64 id) {
        return call(method, bodyPattern.arg(id).arg(local).toUtf8(), local);
    };
    const QJsonObject outOfReach = answer(elsewhere);
    const QJsonObject missing = answer(987654321);
    QCOMPARE(statusOf(outOfReach), 5);
    QCOMPARE(outOfReach, missing);
}

void ServiceSessionRightsTest::onlyHigherRolesManageLoginsAndAccess()
{
    const QString local = login(demo::localAdmin);
    const QJsonObject peer
        = call(QStringLiteral("addUser"), R"({"user":{"n":"Peer Local","cId":6,"r":5}})", local);
    QCOMPARE(statusOf(peer), 0);
    const qint64 peerId = resultOf(peer).value(QLatin1String("id")).toVariant().toLongLong();
    const QString admin = login(demo::admin);
    const qint64 before = fingerprint();
    // A peer cannot set a password and sign in as the other.
    QCOMPARE(statusOf(addLogin(local, peerId, QStringLiteral("peer@example.com"),
                 QStringLiteral("peer-pass-2026"))),
        3);
    // The built-in service account gets no password at all.
    QCOMPARE(statusOf(addLogin(admin, 9, QStringLiteral("keeper@example.com"),
                 QStringLiteral("keeper-pass-2026"))),
        3);
    QCOMPARE(statusOf(addLogin(m_god, 9, QStringLiteral("keeper@example.com"),
                 QStringLiteral("keeper-pass-2026"))),
        3);
    QCOMPARE(statusOf(call(QStringLiteral("listLogins"),
                 QStringLiteral(R"({"filter":{"userId":%1}})").arg(peerId).toUtf8(), local)),
        3);
    // Nor archive or disable the other.
    for (const QString &flag : { QStringLiteral("a"), QStringLiteral("d") })
        QCOMPARE(
            statusOf(call(QStringLiteral("updateUser"),
                QStringLiteral(R"({"user":{"id":%1,"%2":true}})").arg(peerId).arg(flag).toUtf8(),
                local)),
            3);
    QCOMPARE(fingerprint(), before);
    QVERIFY(m_client->login(QStringLiteral("peer@example.com"), QStringLiteral("peer-pass-2026"))
                .isEmpty());
    // A higher role does, and the user himself.
    QCOMPARE(statusOf(addLogin(admin, peerId, QStringLiteral("peer@example.com"),
                 QStringLiteral("peer-pass-2026"))),
        0);
    const QString peerToken
        = m_client->login(QStringLiteral("peer@example.com"), QStringLiteral("peer-pass-2026"));
    QVERIFY(!peerToken.isEmpty());
    QCOMPARE(statusOf(addLogin(peerToken, peerId, QStringLiteral("peer@example.com"),
                 QStringLiteral("peer-pass-2027"))),
        0);
    QCOMPARE(statusOf(call(QStringLiteral("updateUser"),
                 QStringLiteral(R"({"user":{"id":%1,"d":true}})").arg(peerId).toUtf8(), admin)),
        0);
}

void ServiceSessionRightsTest::passwordRules_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");
    QTest::newRow("blank") << QStringLiteral("          ") << 6;
    QTest::newRow("the login name") << QStringLiteral("Tina@Example.com") << 6;
    QTest::newRow("seven characters") << QStringLiteral("abcdefg") << 6;
    QTest::newRow("acceptable") << QStringLiteral("tina-pass 2026") << 0;
}

void ServiceSessionRightsTest::passwordRules()
{
    QFETCH(QString, password);
    QFETCH(int, status);
    const qint64 tina
        = m_oracle->number(QStringLiteral("SELECT min(id) FROM users WHERE role = 2 "
                                          "AND id NOT IN (SELECT user_id FROM logins) "
                                          "AND archived = 0"));
    QVERIFY(tina > 0);
    QCOMPARE(statusOf(addLogin(m_god, tina, QStringLiteral("tina@example.com"), password)), status);
}

void ServiceSessionRightsTest::tokensAreStoredHashedInPrivateFiles()
{
    const QString token = login(demo::technician);
    QVERIFY(!token.isEmpty());
    QCOMPARE(
        m_oracle->number(QStringLiteral("SELECT count(*) FROM sessions WHERE instr(token_hash, "
                                        "'%1') > 0 OR instr(parent_hash, '%1') > 0")
                             .arg(token)),
        qint64(0));
    QVERIFY(m_oracle->number(QStringLiteral("SELECT count(*) FROM sessions")) > 0);
    for (const char *suffix : { "", "-wal", "-shm" }) {
        const QFileInfo file(m_service.databasePath() + QLatin1String(suffix));
        QVERIFY2(file.exists(), suffix);
        QCOMPARE(file.permissions()
                & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
            QFile::Permissions());
    }
}

void ServiceSessionRightsTest::passwordChangeEndsOtherSessions()
{
    const QString kept = login(demo::technician);
    const QString other = login(demo::technician);
    QCOMPARE(statusOf(addLogin(kept, 4, demo::technician, demo::passwordOf(demo::technician))), 0);
    QCOMPARE(statusOf(call(QStringLiteral("listTags"), "{}", kept)), 0);
    QCOMPARE(statusOf(call(QStringLiteral("listTags"), "{}", other)), 2);
    // A password set by an administrator ends every session of the user.
    QCOMPARE(statusOf(addLogin(
                 login(demo::admin), 4, demo::technician, demo::passwordOf(demo::technician))),
        0);
    QCOMPARE(statusOf(call(QStringLiteral("listTags"), "{}", kept)), 2);
}

void ServiceSessionRightsTest::logoffEndsDerivedContexts()
{
    const QString own = login(demo::admin);
    const QString context = resultOf(intoContext(own, 4)).value(QLatin1String("t")).toString();
    QVERIFY(!context.isEmpty());
    const QString nested
        = resultOf(intoContext(login(demo::god), 2)).value(QLatin1String("t")).toString();
    QCOMPARE(statusOf(call(QStringLiteral("listTags"), "{}", context)), 0);
    QCOMPARE(statusOf(call(QStringLiteral("logoff"), "{}", own)), 0);
    QCOMPARE(statusOf(call(QStringLiteral("listTags"), "{}", context)), 2);
    // Other sessions of the same users are not touched.
    QCOMPARE(statusOf(call(QStringLiteral("listTags"), "{}", nested)), 0);
}

void ServiceSessionRightsTest::failedLoginsAreThrottled()
{
    const QString name = demo::localAdmin;
    for (int i = 0; i < 4; ++i)
        QVERIFY(m_client->login(name, QStringLiteral("guess-%1").arg(i)).isEmpty());
    // Blocked for a while: even the right password is not checked.
    const QJsonObject refused = m_client->call(QStringLiteral("login"),
        { { QStringLiteral("method"), QStringLiteral("login-password") },
            { QStringLiteral("data"),
                QJsonObject { { QStringLiteral("login"), name },
                    { QStringLiteral("password"), demo::passwordOf(name) } } } });
    QCOMPARE(statusOf(refused), 2);
    QVERIFY(refused.value(QLatin1String("message")).toString().contains(QLatin1String("again")));
    // The rightful user at another address still signs in.
    RawHttpConnection elsewhere(m_service.port(), "127.0.0.2");
    QVERIFY(elsewhere.isOpen());
    const QJsonObject data { { QStringLiteral("login"), name },
        { QStringLiteral("password"), demo::passwordOf(name) } };
    QVERIFY(elsewhere.send(RawHttpConnection::post("login",
        QJsonDocument(QJsonObject { { QStringLiteral("method"), QStringLiteral("login-password") },
                          { QStringLiteral("data"), data } })
            .toJson(QJsonDocument::Compact),
        "Host: 127.0.0.1\r\nContent-Type: application/json\r\nConnection: close\r\n")));
    const QByteArray answer = elsewhere.receive(5000);
    QVERIFY2(answer.contains("\"status\":0"), answer.constData());
    // Other login names are not blocked by it.
    QVERIFY(!login(demo::technician).isEmpty());
    QThread::msleep(1100);
    QVERIFY(!login(name).isEmpty());

    // Many names failing from one address block that address.
    for (int i = 0; i < 11; ++i)
        QVERIFY(m_client->login(QStringLiteral("nobody%1@example.com").arg(i), QStringLiteral("x"))
                    .isEmpty());
    QVERIFY(login(demo::admin).isEmpty());
    QThread::msleep(1100);
    QVERIFY(!login(demo::admin).isEmpty());
}

QTEST_GUILESS_MAIN(ServiceSessionRightsTest)
#include "tst_service_sessionrights.moc"
