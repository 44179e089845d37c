// Device settings through the real service: what the console sends is stored and answered
// unchanged, and a write for a device filter reaches exactly the devices it finds.
#include "ServiceTestCase.h"
#include "ServiceTestData.h"

#include <QJsonDocument>
#include <QSqlQuery>
#include <QtTest>
#include <memory>

class ServiceSettingsTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void syncedSettingComesBackAsSent_data();
    void syncedSettingComesBackAsSent();
    void writeReachesExactlyTheFoundDevices();
    void writeWithoutFilterIsRefused();

private:
    QJsonObject call(const QString &method, const QJsonObject &body)
    {
        return m_client->call(method, body, m_god);
    }
    QString storedText(qint64 deviceId, const QString &name, const QString &column) const;
};

QString ServiceSettingsTest::storedText(
    qint64 deviceId, const QString &name, const QString &column) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("text"));
    db.setDatabaseName(m_service.databasePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    QString text;
    if (db.open()) {
        QSqlQuery query(db);
        query.prepare(
            QStringLiteral("SELECT %1 FROM settings WHERE device_id = ? AND name = ?").arg(column));
        query.addBindValue(deviceId);
        query.addBindValue(name);
        if (query.exec() && query.next())
            text = query.value(0).toString();
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("text"));
    return text;
}

void ServiceSettingsTest::syncedSettingComesBackAsSent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("hash");

    QTest::newRow("schedule as the console writes it")
        << "power.schedule"
        << R"([{"action":"on","plan":{"t":"07:30:00.000","p":["Mon","Tue","Wed","Thu","Fri"],"e":true}},{"action":"off","plan":{"t":"19:00:00.000","p":["Sun","Mon","Tue","Wed","Thu","Fri","Sat"],"e":false}}])"
        << "*";
    // Spacing, key order and escapes are the sender's: nothing is re-serialised.
    QTest::newRow("schedule with spacing and escapes")
        << "power.schedule"
        << "[ { \"plan\" : {\"e\":true, \"t\":\"07:30:00.000\"}, \"action\":\"on\", "
           "\"note\":\"caf\\u00e9 \\\"x\\\"\" } ]"
        << "client-hash";
    QTest::newRow("clock") << "dateTime.autoSync"
                           << "false"
                           << "*";
}

void ServiceSettingsTest::syncedSettingComesBackAsSent()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, hash);
    const qint64 device = 70012;

    const QJsonObject synced = call(QStringLiteral("syncSetting"),
        { { QStringLiteral("setting"),
              QJsonObject { { QStringLiteral("dId"), device }, { QStringLiteral("n"), name },
                  { QStringLiteral("v"), value }, { QStringLiteral("h"), hash } } },
            { QStringLiteral("what"), QStringLiteral("*") } });
    QCOMPARE(statusOf(synced), 0);
    QCOMPARE(resultOf(synced).value(QLatin1String("v")).toString(), value);
    QCOMPARE(resultOf(synced).value(QLatin1String("h")).toString(), hash);
    QCOMPARE(storedText(device, name, QStringLiteral("value")), value);
    QCOMPARE(storedText(device, name, QStringLiteral("hash")), hash);

    const QJsonArray listed = itemsOf(call(QStringLiteral("listSettings"),
        { { QStringLiteral("filter"),
              QJsonObject {
                  { QStringLiteral("deviceId"), device }, { QStringLiteral("name"), name } } },
            { QStringLiteral("what"), QStringLiteral("*") } }));
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.first().toObject().value(QLatin1String("v")).toString(), value);
    QCOMPARE(listed.first().toObject().value(QLatin1String("h")).toString(), hash);
}

void ServiceSettingsTest::writeReachesExactlyTheFoundDevices()
{
    const QString tagged
        = QStringLiteral("d.id IN (SELECT device_id FROM device_tags WHERE tag_id = 21)");
    const qint64 found
        = m_oracle->number(QStringLiteral("SELECT count(*) FROM devices d WHERE ") + tagged);
    QVERIFY(found > 0);
    const qint64 others
        = m_oracle->number(QStringLiteral("SELECT count(*) FROM devices d WHERE NOT ") + tagged);
    QVERIFY(others > 0);
    const QString marker
        = QStringLiteral(R"([{"action":"off","plan":{"t":"21:15:00.000","p":["Sat"],"e":true}}])");

    const QJsonObject written = call(QStringLiteral("writeSettings"),
        { { QStringLiteral("setting"),
              QJsonArray { QJsonObject { { QStringLiteral("n"), QStringLiteral("power.schedule") },
                  { QStringLiteral("v"), marker },
                  { QStringLiteral("h"), QStringLiteral("*") } } } },
            { QStringLiteral("devicesFilter"),
                QJsonObject { { QStringLiteral("tagsIds"), QJsonArray { 21 } },
                    { QStringLiteral("includeServants"), true } } } });
    QCOMPARE(statusOf(written), 0);
    QCOMPARE(resultOf(written).value(QLatin1String("devices")).toInt(), int(found));

    const auto carrying = [&](const QString &devices) {
        return m_oracle->number(QStringLiteral("SELECT count(*) FROM settings s JOIN devices d ON "
                                               "d.id = s.device_id WHERE s.name = "
                                               "'power.schedule' AND s.value = '%1' AND %2")
                                    .arg(marker, devices));
    };
    QCOMPARE(carrying(tagged), found);
    QCOMPARE(carrying(QStringLiteral("NOT ") + tagged), 0);
}

void ServiceSettingsTest::writeWithoutFilterIsRefused()
{
    const qint64 before = m_oracle->number(QStringLiteral("SELECT sum(revision) FROM settings"));
    const QJsonObject written = call(QStringLiteral("writeSettings"),
        { { QStringLiteral("setting"),
              QJsonArray {
                  QJsonObject { { QStringLiteral("n"), QStringLiteral("dateTime.autoSync") },
                      { QStringLiteral("v"), QStringLiteral("true") } } } },
            { QStringLiteral("devicesFilter"), QJsonValue() } });
    QCOMPARE(statusOf(written), 6);
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT sum(revision) FROM settings")), before);
}

QTEST_GUILESS_MAIN(ServiceSettingsTest)
#include "tst_service_settings.moc"
