// Inner parts of the service, through its library: task status from tickets, password
// hashing, wire dates and the fleet simulator.
#include "Catalogues.h"
#include "Database.h"
#include "DemoSeeder.h"
#include "FleetSimulator.h"
#include "PasswordHasher.h"
#include "SchemaMigrator.h"
#include "ServiceError.h"
#include "TaskProgress.h"
#include "WireDate.h"

#include <QJsonObject>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace service;

class ServiceUnitsTest : public QObject
{
    Q_OBJECT

private slots:
    void taskStatus_data();
    void taskStatus();
    void pbkdf2MatchesTheStandardVector();
    void passwordHashesAreSaltedAndVerified();
    void wireDates_data();
    void wireDates();
    void unreadableDatesAreRefused_data();
    void unreadableDatesAreRefused();
    void migrationIsRepeatable();
    void simulatorMovesTicketsForward();

private:
    qint64 number(Database &database, const QString &sql)
    {
        QSqlQuery query = database.prepare(sql);
        Database::exec(query);
        return query.next() ? query.value(0).toLongLong() : -1;
    }
};

void ServiceUnitsTest::taskStatus_data()
{
    QTest::addColumn<QVector<int>>("counts"); // pending, running, completed, canceled, failed
    QTest::addColumn<int>("status");
    QTest::newRow("no tickets") << QVector<int> { 0, 0, 0, 0, 0 } << 2;
    QTest::newRow("all pending") << QVector<int> { 3, 0, 0, 0, 0 } << 0;
    QTest::newRow("one running") << QVector<int> { 3, 1, 0, 0, 0 } << 1;
    QTest::newRow("pending after some done") << QVector<int> { 3, 0, 1, 0, 0 } << 1;
    QTest::newRow("all completed") << QVector<int> { 0, 0, 4, 0, 0 } << 2;
    QTest::newRow("done with failures") << QVector<int> { 0, 0, 4, 0, 1 } << 4;
    QTest::newRow("canceled part way") << QVector<int> { 0, 0, 4, 2, 1 } << 3;
}

void ServiceUnitsTest::taskStatus()
{
    QFETCH(QVector<int>, counts);
    QFETCH(int, status);
    QCOMPARE(
        TaskProgress::statusFor(counts[0], counts[1], counts[2], counts[3], counts[4]), status);
}

void ServiceUnitsTest::pbkdf2MatchesTheStandardVector()
{
    // PBKDF2-HMAC-SHA256, password "passwd", salt "salt", one iteration (RFC 7914, section 11).
    const QByteArray key = PasswordHasher::derive("passwd", "salt", 1);
    QCOMPARE(key.toHex(),
        QByteArray("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"));
}

void ServiceUnitsTest::passwordHashesAreSaltedAndVerified()
{
    const auto first = PasswordHasher::hash(QStringLiteral("correct horse"), 1000);
    const auto second = PasswordHasher::hash(QStringLiteral("correct horse"), 1000);
    QVERIFY(first.salt != second.salt);
    QVERIFY(first.key != second.key);
    QVERIFY(!first.key.contains("correct"));
    QVERIFY(PasswordHasher::verify(QStringLiteral("correct horse"), first));
    QVERIFY(!PasswordHasher::verify(QStringLiteral("correct horsE"), first));
    QVERIFY(!PasswordHasher::verify(QString(), first));
    PasswordHasher::Hash damaged = first;
    damaged.key.chop(1);
    QVERIFY(!PasswordHasher::verify(QStringLiteral("correct horse"), damaged));
}

void ServiceUnitsTest::wireDates_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<qint64>("ms");
    QTest::newRow("ISO with offset")
        << QJsonValue("2021-12-29T10:00:00+03:00") << qint64(1640761200000);
    QTest::newRow("ISO UTC with ms")
        << QJsonValue("2021-12-29T07:00:00.250Z") << qint64(1640761200250);
    QTest::newRow("date object") << QJsonValue(
        QJsonObject { { "DateTime", "/Date(1640761200000)/" }, { "OffsetMinutes", 180 } })
                                 << qint64(1640761200000);
    QTest::newRow("milliseconds") << QJsonValue(1640761200000.0) << qint64(1640761200000);
}

void ServiceUnitsTest::wireDates()
{
    QFETCH(QJsonValue, value);
    QFETCH(qint64, ms);
    QCOMPARE(WireDate::parse(value, "d"), std::optional<qint64>(ms));
    const QJsonObject written = WireDate::toJson(ms).toObject();
    QCOMPARE(written.value("DateTime").toString(), QStringLiteral("/Date(%1)/").arg(ms));
    QCOMPARE(WireDate::parse(written, "d"), std::optional<qint64>(ms));
}

void ServiceUnitsTest::unreadableDatesAreRefused_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::newRow("text") << QJsonValue("tomorrow");
    QTest::newRow("bad object") << QJsonValue(QJsonObject { { "DateTime", "/Date(abc)/" } });
    QTest::newRow("bool") << QJsonValue(true);
}

void ServiceUnitsTest::unreadableDatesAreRefused()
{
    QFETCH(QJsonValue, value);
    try {
        WireDate::parse(value, "d");
        QFAIL("accepted an unreadable date");
    } catch (const ServiceError &error) {
        QCOMPARE(error.status(), StatusCode::InvalidArgument);
    }
    QVERIFY(!WireDate::parse(QJsonValue(), "d"));
    QVERIFY(WireDate::toJson(0).isNull());
}

void ServiceUnitsTest::migrationIsRepeatable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("db.sqlite"));
    {
        Database database(path);
        SchemaMigrator(database).migrate();
        database.run(QStringLiteral("INSERT INTO customers (name) VALUES ('kept')"));
    }
    Database reopened(path);
    SchemaMigrator(reopened).migrate();
    QCOMPARE(number(reopened, QStringLiteral("PRAGMA user_version")),
        qint64(SchemaMigrator::currentVersion()));
    QCOMPARE(number(reopened, QStringLiteral("SELECT count(*) FROM customers WHERE name = 'kept'")),
        qint64(1));
}

void ServiceUnitsTest::simulatorMovesTicketsForward()
{
    QTemporaryDir dir;
    Database database(dir.filePath(QStringLiteral("db.sqlite")));
    SchemaMigrator(database).migrate();
    Catalogues catalogues;
    DemoSeeder(database, catalogues, QStringLiteral("http://127.0.0.1/ota")).seed(120);
    TaskProgress progress(database);
    FleetSimulator simulator(database, progress, 1000);

    // Every device online and one task with all tickets pending inside its window.
    database.run(QStringLiteral("UPDATE devices SET is_online = 1"));
    database.run(QStringLiteral(
        "UPDATE tasks SET valid_from_ms = 1, valid_to_ms = 9000000000000 WHERE id = 4"));
    database.run(QStringLiteral(
        "UPDATE tickets SET status = 0, started_ms = 0, executed_ms = 0 WHERE task_id = 4"));
    const qint64 tickets
        = number(database, QStringLiteral("SELECT count(*) FROM tickets WHERE task_id = 4"));
    QVERIFY(tickets > 0);

    simulator.step();
    QVERIFY(number(database, QStringLiteral("SELECT count(*) FROM tickets WHERE status = 1")) > 0);
    // Pretend the running tickets started long ago: the next step finishes them.
    database.run(QStringLiteral("UPDATE tickets SET started_ms = 1 WHERE status = 1"));
    simulator.step();
    const qint64 finished = number(database,
        QStringLiteral("SELECT count(*) FROM tickets WHERE task_id = 4 AND status IN (2, 4)"));
    QVERIFY(finished > 0);
    QCOMPARE(number(database, QStringLiteral("SELECT status FROM tasks WHERE id = 4")), qint64(1));

    // A task whose window has closed fails its waiting tickets.
    database.run(QStringLiteral("UPDATE tasks SET valid_to_ms = 2 WHERE id = 4"));
    simulator.step();
    QCOMPARE(number(database,
                 QStringLiteral("SELECT count(*) FROM tickets WHERE task_id = 4 AND status = 0")),
        qint64(0));
    QVERIFY(number(database, QStringLiteral("SELECT status FROM tasks WHERE id = 4")) != 0);

    // Firmware updates fail by the share the simulator is given, whatever other tickets do.
    const QString firmwareIn = QStringLiteral(
        "SELECT count(*) FROM tickets k JOIN tasks t ON t.id = k.task_id WHERE t.type = 3 AND "
        "k.status = %1");
    const QString running = QStringLiteral(
        "UPDATE tickets SET status = 1, started_ms = 1 WHERE task_id IN (SELECT id FROM tasks "
        "WHERE type = 3)");
    const qint64 firmwareTickets = number(database,
        QStringLiteral("SELECT count(*) FROM tickets k JOIN tasks t ON t.id = k.task_id WHERE "
                       "t.type = 3"));
    QVERIFY(firmwareTickets > 0);

    for (int percent : { 100, 0 }) {
        simulator.setFirmwareFailurePercent(percent);
        database.run(running);
        simulator.step();
        QCOMPARE(number(database, firmwareIn.arg(percent == 100 ? 4 : 2)), firmwareTickets);
    }
}

QTEST_GUILESS_MAIN(ServiceUnitsTest)
#include "tst_service_units.moc"
