// The audit trail: every write, sign-in and context switch leaves one record naming who acted
// and on whose behalf; records hold no secret, are read within the reader's reach, are never
// changed, leave past their retention, and are stored with their write or not at all.
#include "ServiceTestCase.h"
#include "ServiceTestData.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>
#include <atomic>
#include <thread>

class ServiceAuditTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void writesAreRecordedOnceUnderBothNames();
    void failuresAreRecordedWithTheirStatus();
    void recordsHoldNoSecret();
    void readersSeeTheirReachOnly();
    void laterCallsNeverChangeARecord();
    void cleanupRemovesRecordsPastTheRetention();
    void recordCommitsWithItsWrite();

private:
    QStringList serviceArguments() const override
    {
        return { QStringLiteral("--audit-retention-days"), QStringLiteral("30") };
    }
    // Every record, one text per row, oldest first.
    QStringList auditRows() const
    {
        QSqlQuery rows(
            QSqlDatabase::database(QStringLiteral("oracle-") + m_service.databasePath()));
        QStringList texts;
        if (!rows.exec(QStringLiteral("SELECT * FROM audit_records ORDER BY id")))
            return texts;
        while (rows.next()) {
            QStringList values;
            for (int column = 0; column < rows.record().count(); ++column)
                values.append(rows.value(column).toString());
            texts.append(values.join(QLatin1Char('|')));
        }
        return texts;
    }
    qint64 userIdOf(const QString &login) const
    {
        return m_oracle->number(
            QStringLiteral("SELECT user_id FROM logins WHERE login = '%1'").arg(login));
    }
    qint64 recordsOf(const QString &method, const QString &condition = QStringLiteral("1")) const
    {
        return m_oracle->number(
            QStringLiteral("SELECT count(*) FROM audit_records WHERE method = '%1' AND (%2)")
                .arg(method, condition));
    }
    QJsonArray trail(const QString &token, const QJsonObject &filter = {})
    {
        const QJsonObject answer = m_client->call(QStringLiteral("listAuditRecords"),
            { { QStringLiteral("filter"), filter },
                { QStringLiteral("paging"),
                    QJsonObject { { QStringLiteral("skip"), 0 }, { QStringLiteral("take"), 1000 },
                        { QStringLiteral("calcTotal"), true } } } },
            token);
        return itemsOf(answer);
    }
    QString intoContext(const QString &ownToken, qint64 userId)
    {
        const QJsonObject answer = m_client->call(QStringLiteral("login"),
            { { QStringLiteral("method"), QStringLiteral("user-context") },
                { QStringLiteral("data"),
                    QJsonObject { { QStringLiteral("sessionToken"), ownToken },
                        { QStringLiteral("userId"), QString::number(userId) } } } });
        return resultOf(answer).value(QLatin1String("t")).toString();
    }

    QStringList m_secrets;
    QString m_technicianPassword = demo::passwordOf(demo::technician);
};

void ServiceAuditTest::writesAreRecordedOnceUnderBothNames()
{
    const QString admin = m_client->login(demo::admin, demo::passwordOf(demo::admin));
    m_secrets << admin << demo::passwordOf(demo::admin);
    const qint64 adminId = userIdOf(demo::admin);
    const qint64 localAdminId = userIdOf(demo::localAdmin);
    const qint64 deviceId = m_oracle->number(QStringLiteral(
        "SELECT min(id) FROM devices WHERE customer_id = (SELECT customer_id FROM users "
        "WHERE id = %1)")
                                                 .arg(localAdminId));

    const QString context = intoContext(admin, localAdminId);
    QVERIFY(!context.isEmpty());
    m_secrets << context;
    QCOMPARE(statusOf(m_client->call(QStringLiteral("updateDevice"),
                 { { QStringLiteral("device"),
                     QJsonObject { { QStringLiteral("id"), deviceId },
                         { QStringLiteral("n"), QStringLiteral("Audited panel") } } } },
                 context)),
        0);
    const QJsonObject tag = m_client->call(QStringLiteral("addTag"),
        { { QStringLiteral("tag"),
            QJsonObject { { QStringLiteral("n"), QStringLiteral("Aud") } } } },
        admin);
    const qint64 tagId = resultOf(tag).value(QLatin1String("id")).toVariant().toLongLong();
    QVERIFY(tagId > 0);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("tagDevices"),
                 { { QStringLiteral("tagId"), tagId },
                     { QStringLiteral("filter"),
                         QJsonObject { { QStringLiteral("ids"), QJsonArray { deviceId } } } } },
                 admin)),
        0);

    // One record per call, with the acting user and the context user apart.
    QCOMPARE(recordsOf(QStringLiteral("updateDevice")), 1);
    QCOMPARE(recordsOf(QStringLiteral("updateDevice"),
                 QStringLiteral("actor_id = %1 AND context_user_id = %2 AND entity_ids = '%3' "
                                "AND status = 0")
                     .arg(adminId)
                     .arg(localAdminId)
                     .arg(deviceId)),
        1);
    QCOMPARE(recordsOf(QStringLiteral("login"),
                 QStringLiteral("action = 'switch context' AND actor_id = %1 AND "
                                "context_user_id = %2")
                     .arg(adminId)
                     .arg(localAdminId)),
        1);
    QCOMPARE(recordsOf(QStringLiteral("addTag"),
                 QStringLiteral("entity_ids = '%1' AND entity_name = 'Aud' AND context_user_id = 0")
                     .arg(tagId)),
        1);
    QCOMPARE(recordsOf(QStringLiteral("tagDevices"), QStringLiteral("reached = 1")), 1);

    // The reader gets names, newest first.
    const QJsonArray items = trail(admin, { { QStringLiteral("method"), "updateDevice" } });
    QCOMPARE(items.size(), 1);
    const QJsonObject record = items.first().toObject();
    QVERIFY(!record.value(QLatin1String("aN")).toString().isEmpty());
    QVERIFY(!record.value(QLatin1String("cuN")).toString().isEmpty());
    QVERIFY(record.value(QLatin1String("aN")) != record.value(QLatin1String("cuN")));
    QCOMPARE(record.value(QLatin1String("eN")).toString(), QStringLiteral("Audited panel"));
    QCOMPARE(trail(admin).first().toObject().value(QLatin1String("m")).toString(),
        QStringLiteral("tagDevices"));
}

void ServiceAuditTest::failuresAreRecordedWithTheirStatus()
{
    const QString technician
        = m_client->login(demo::technician, demo::passwordOf(demo::technician));
    m_secrets << technician;
    QCOMPARE(statusOf(m_client->call(QStringLiteral("addTag"),
                 { { QStringLiteral("tag"),
                     QJsonObject { { QStringLiteral("n"), QStringLiteral("Nope") } } } },
                 technician)),
        3);
    QCOMPARE(recordsOf(QStringLiteral("addTag"),
                 QStringLiteral("status = 3 AND actor_id = %1").arg(userIdOf(demo::technician))),
        1);
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(*) FROM tags WHERE name = 'Nope'")), 0);

    const QString wrong = QStringLiteral("not-the-password-4711");
    m_secrets << wrong;
    QVERIFY(m_client->login(demo::admin, wrong).isEmpty());
    QCOMPARE(recordsOf(QStringLiteral("login"),
                 QStringLiteral("status = 2 AND subject = '%1' AND actor_id = %2 AND "
                                "client_address <> ''")
                     .arg(demo::admin)
                     .arg(userIdOf(demo::admin))),
        1);
}

void ServiceAuditTest::recordsHoldNoSecret()
{
    // Set a password and mint a role session, then look for every secret in every record.
    const QString password = m_technicianPassword = QStringLiteral("fresh-secret-password-99");
    m_secrets << password << m_god << demo::passwordOf(demo::god);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("addLogin"),
                 { { QStringLiteral("login"),
                     QJsonObject { { QStringLiteral("userId"), userIdOf(demo::technician) },
                         { QStringLiteral("method"), QStringLiteral("login-password") },
                         { QStringLiteral("data"),
                             QJsonObject { { QStringLiteral("login"), demo::technician },
                                 { QStringLiteral("password"), password } } } } } },
                 m_god)),
        0);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QJsonObject roleSession = m_client->call(QStringLiteral("createRoleSession"),
        { { QStringLiteral("role"), 2 },
            { QStringLiteral("validFrom"), now.toString(Qt::ISODateWithMs) },
            { QStringLiteral("validTo"), now.addSecs(600).toString(Qt::ISODateWithMs) } },
        m_god);
    QCOMPARE(statusOf(roleSession), 0);
    m_secrets << resultOf(roleSession).value(QLatin1String("t")).toString();
    QVERIFY(recordsOf(QStringLiteral("addLogin")) == 1);
    QVERIFY(recordsOf(QStringLiteral("createRoleSession")) == 1);

    QSqlQuery rows(QSqlDatabase::database(QStringLiteral("oracle-") + m_service.databasePath()));
    QVERIFY(rows.exec(QStringLiteral("SELECT * FROM audit_records")));
    int scanned = 0;
    while (rows.next()) {
        ++scanned;
        for (int column = 0; column < rows.record().count(); ++column) {
            const QString value = rows.value(column).toString();
            for (const QString &secret : qAsConst(m_secrets))
                QVERIFY2(secret.isEmpty() || !value.contains(secret), qPrintable(value));
        }
    }
    QVERIFY(scanned > 5);
}

void ServiceAuditTest::readersSeeTheirReachOnly()
{
    const QString technician = m_client->login(demo::technician, m_technicianPassword);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("listAuditRecords"), {}, technician)), 3);

    const QString localAdmin
        = m_client->login(demo::localAdmin, demo::passwordOf(demo::localAdmin));
    const QJsonArray own = trail(localAdmin);
    const QJsonArray all = trail(m_god);
    QVERIFY(!own.isEmpty());
    QVERIFY(own.size() < all.size());
    // The god's own sign-in lies outside the local administrator's location.
    for (const QJsonValue &item : own)
        QVERIFY(item.toObject().value(QLatin1String("aId")).toVariant().toLongLong()
            != m_oracle->number(
                QStringLiteral("SELECT user_id FROM logins WHERE login = '%1'").arg(demo::god)));
}

void ServiceAuditTest::laterCallsNeverChangeARecord()
{
    const QStringList before = auditRows();
    QVERIFY(before.size() > 5);
    // Every method the service offers, each pointed at the oldest record's id wherever a body
    // names an entity; log-off ends a session of its own, not the god's.
    const qint64 oldest = m_oracle->number(QStringLiteral("SELECT min(id) FROM audit_records"));
    const QJsonObject pointed { { QStringLiteral("id"), oldest },
        { QStringLiteral("ids"), QJsonArray { oldest } }, { QStringLiteral("taskId"), oldest },
        { QStringLiteral("tagId"), oldest }, { QStringLiteral("rolloutId"), oldest },
        { QStringLiteral("ticketIds"), QJsonArray { oldest } } };
    const QStringList writes { "addCustomer", "updateCustomer", "addUser", "updateUser", "addLogin",
        "addTag", "updateTag", "deleteTag", "tagDevices", "updateDevice", "unbindDevice",
        "writeSettings", "syncSetting", "addTask", "cancelTask", "restartTask", "addRollout",
        "pauseRollout", "resumeRollout", "abortRollout", "startNextGroup", "cancelTickets",
        "restartTickets", "createRoleSession", "login" };
    const QStringList reads { "getSessionInfo", "listAuditRecords", "listCustomers", "listDevices",
        "listFirmwares", "listLogins", "listModels", "listRolesAllowedToCreate", "listRollouts",
        "listSettings", "listTags", "listTasks", "listTickets", "listUsers" };
    for (const QString &method : writes + reads)
        QVERIFY2(!m_client->call(method, pointed, m_god).isEmpty(), qPrintable(method));
    const QString own = m_client->login(demo::admin, demo::passwordOf(demo::admin));
    QCOMPARE(statusOf(m_client->call(QStringLiteral("logoff"), {}, own)), 0);
    // Real writes of other kinds, each stored with its record.
    QCOMPARE(statusOf(m_client->call(QStringLiteral("addCustomer"),
                 { { QStringLiteral("customer"),
                     QJsonObject { { QStringLiteral("n"), QStringLiteral("Append wing") },
                         { QStringLiteral("oid"), 3 } } } },
                 m_god)),
        0);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("updateUser"),
                 { { QStringLiteral("user"),
                     QJsonObject { { QStringLiteral("id"), userIdOf(demo::technician) },
                         { QStringLiteral("n"), QStringLiteral("Tess Renamed") } } } },
                 m_god)),
        0);
    // Nothing offers to change or remove the trail.
    for (const char *method : { "updateAuditRecord", "deleteAuditRecords" }) {
        int httpStatus = 0;
        m_client->post(QLatin1String(method), "{}", &httpStatus);
        QCOMPARE(httpStatus, 404);
    }

    const QStringList after = auditRows();
    // Each write left a record of its own (the sign-in and log-off one each, too).
    QVERIFY(after.size() >= before.size() + writes.size() + 4);
    QCOMPARE(after.mid(0, before.size()), before);
}

void ServiceAuditTest::cleanupRemovesRecordsPastTheRetention()
{
    // This case runs the service with a retention of 30 days.
    constexpr qint64 day = 24 * 3600 * 1000LL;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    {
        QSqlDatabase writer = QSqlDatabase::addDatabase(
            QStringLiteral("QSQLITE"), QStringLiteral("retention-writer"));
        writer.setDatabaseName(m_service.databasePath());
        writer.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        QVERIFY(writer.open());
        QSqlQuery insert(writer);
        QVERIFY(insert.prepare(QStringLiteral(
            "INSERT INTO audit_records (at_ms, method, action, entity_kind, status, subject) "
            "VALUES (?, 'login', 'sign-in', 'session', 2, ?)")));
        const std::pair<qint64, const char *> aged[]
            = { { 31 * day, "past@example.com" }, { 29 * day, "kept@example.com" } };
        for (const auto &[age, subject] : aged) {
            insert.addBindValue(now - age);
            insert.addBindValue(QLatin1String(subject));
            QVERIFY(insert.exec());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("retention-writer"));
    const QString recent
        = QStringLiteral("subject LIKE '%@example.com' AND at_ms > %1").arg(now - 60000);
    const qint64 recentBefore = recordsOf(QStringLiteral("login"), recent);

    // The cleanup runs when a session begins.
    QVERIFY(!m_client->login(demo::localAdmin, demo::passwordOf(demo::localAdmin)).isEmpty());
    QCOMPARE(recordsOf(QStringLiteral("login"), QStringLiteral("subject = 'past@example.com'")), 0);
    QCOMPARE(recordsOf(QStringLiteral("login"), QStringLiteral("subject = 'kept@example.com'")), 1);
    QCOMPARE(recordsOf(QStringLiteral("login"), recent), recentBefore + 1);
}

void ServiceAuditTest::recordCommitsWithItsWrite()
{
    // Tags are added as fast as the service takes them while it is killed: every stored tag has
    // its record, and no record names a tag that was not stored.
    std::atomic<bool> stop { false };
    std::thread writer([this, &stop] {
        ServiceClient client(m_service.port());
        for (int i = 0; i < 100000 && !stop; ++i)
            if (client
                    .call(QStringLiteral("addTag"),
                        { { QStringLiteral("tag"),
                            QJsonObject {
                                { QStringLiteral("n"), QStringLiteral("kill-%1").arg(i) } } } },
                        m_god)
                    .isEmpty())
                break;
    });
    QTest::qWait(700);
    m_service.kill();
    stop = true;
    writer.join();
    m_oracle.reset();
    m_oracle = std::make_unique<DatabaseOracle>(m_service.databasePath());
    const qint64 stored
        = m_oracle->number(QStringLiteral("SELECT count(*) FROM tags WHERE name LIKE 'kill-%'"));
    QVERIFY(stored > 0);
    QCOMPARE(
        recordsOf(QStringLiteral("addTag"), QStringLiteral("entity_name LIKE 'kill-%'")), stored);
    QCOMPARE(m_oracle->number(QStringLiteral(
                 "SELECT count(*) FROM tags t WHERE name LIKE 'kill-%' AND NOT EXISTS (SELECT 1 "
                 "FROM audit_records a WHERE a.method = 'addTag' AND a.entity_ids = t.id)")),
        0);
}

QTEST_GUILESS_MAIN(ServiceAuditTest)
#include "tst_service_audit.moc"
