// Role sessions, the tokens written to flash drives: of a role no higher than the caller's,
// valid only inside the window asked for.
#include "ServiceTestCase.h"
#include "ServiceTestData.h"

#include <QDateTime>
#include <QJsonObject>
#include <QtTest>
#include <memory>

class ServiceRoleSessionsTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void rolesUpToTheCallers_data();
    void rolesUpToTheCallers();
    void tokenWorksOnlyInsideItsWindow();

private:
    QJsonObject createRoleSession(
        const QString &caller, int role, const QDateTime &from, const QDateTime &till)
    {
        return m_client->call(QStringLiteral("createRoleSession"),
            { { QStringLiteral("role"), role },
                { QStringLiteral("validFrom"), from.toString(Qt::ISODateWithMs) },
                { QStringLiteral("validTo"), till.toString(Qt::ISODateWithMs) } },
            m_client->login(caller, demo::passwordOf(caller)));
    }
};

void ServiceRoleSessionsTest::rolesUpToTheCallers_data()
{
    QTest::addColumn<QString>("caller");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("status");
    QTest::newRow("administrator hands out Technician") << demo::admin << 2 << 0;
    QTest::newRow("administrator hands out Administrator") << demo::admin << 1 << 0;
    QTest::newRow("administrator asks for God") << demo::admin << 0 << 3;
    QTest::newRow("God hands out Administrator") << demo::god << 1 << 0;
}

void ServiceRoleSessionsTest::rolesUpToTheCallers()
{
    QFETCH(QString, caller);
    QFETCH(int, role);
    QFETCH(int, status);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QJsonObject answer = createRoleSession(caller, role, now, now.addSecs(3600));
    QCOMPARE(statusOf(answer), status);
    if (status != 0) {
        QVERIFY(answer.value(QLatin1String("result"))
                    .toObject()
                    .value(QLatin1String("t"))
                    .isUndefined());
        return;
    }
    const QString token = resultOf(answer).value(QLatin1String("t")).toString();
    const QJsonObject info = m_client->call(QStringLiteral("getSessionInfo"), {}, token);
    QCOMPARE(
        info.value(QLatin1String("result")).toObject().value(QLatin1String("r")).toInt(-1), role);
}

void ServiceRoleSessionsTest::tokenWorksOnlyInsideItsWindow()
{
    const QDateTime from = QDateTime::currentDateTimeUtc().addSecs(-1);
    const QDateTime till = from.addSecs(4);
    const QJsonObject answer = createRoleSession(demo::admin, 2, from, till);
    QCOMPARE(statusOf(answer), 0);
    const QJsonObject result = resultOf(answer);
    // The window comes back as asked for, in the service's date form.
    QCOMPARE(
        result.value(QLatin1String("vf")).toObject().value(QLatin1String("DateTime")).toString(),
        QStringLiteral("/Date(%1)/").arg(from.toMSecsSinceEpoch()));
    QCOMPARE(
        result.value(QLatin1String("vt")).toObject().value(QLatin1String("DateTime")).toString(),
        QStringLiteral("/Date(%1)/").arg(till.toMSecsSinceEpoch()));
    const QString token = result.value(QLatin1String("t")).toString();
    QCOMPARE(statusOf(m_client->call(QStringLiteral("listDevices"), {}, token)), 0);
    QTest::qWait(int(QDateTime::currentDateTimeUtc().msecsTo(till)) + 200);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("getSessionInfo"), {}, token)), 2);
    QCOMPARE(statusOf(m_client->call(QStringLiteral("listDevices"), {}, token)), 2);
}

QTEST_GUILESS_MAIN(ServiceRoleSessionsTest)
#include "tst_service_rolesessions.moc"
