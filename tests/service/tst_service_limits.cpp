// Requests that would make the service read or hold without bound are refused or cut to a
// page, and what the console asks for still arrives whole.
#include "ServiceTestCase.h"
#include "ServiceTestData.h"

#include <QJsonDocument>
#include <QSet>
#include <QtTest>
#include <memory>

class ServiceLimitsTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void longListsAreRefused_data();
    void longListsAreRefused();
    void longestListStillFilters();
    void unpagedListsAreCutToOnePage_data();
    void unpagedListsAreCutToOnePage();
    void largeRowsAreCutByAnswerSize();

private:
    // Enough devices that the demo's tasks hold more tickets than one page.
    QStringList serviceArguments() const override
    {
        return { QStringLiteral("--demo-devices"), QStringLiteral("1500") };
    }
    QJsonObject call(const QString &method, const QJsonObject &body)
    {
        return m_client->call(method, body, m_god);
    }
};

namespace {
QJsonArray numbers(int count)
{
    QJsonArray list;
    for (int i = 0; i < count; ++i)
        list.append(i + 1);
    return list;
}

QJsonArray texts(int count)
{
    QJsonArray list;
    for (int i = 0; i < count; ++i)
        list.append(QStringLiteral("fw-%1").arg(i));
    return list;
}
} // namespace

void ServiceLimitsTest::longListsAreRefused_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QJsonObject>("body");
    const auto filter = [](const char *key, const QJsonArray &list) {
        return QJsonObject { { QStringLiteral("filter"),
            QJsonObject { { QString::fromLatin1(key), list } } } };
    };
    QTest::newRow("firmware ids") << "listDevices" << filter("firmwaresIds", texts(1001));
    QTest::newRow("model ids") << "listDevices" << filter("modelsIds", texts(80000));
    QTest::newRow("tag ids") << "listDevices" << filter("anyOfTagsIds", numbers(1001));
    QTest::newRow("device ids") << "listDevices" << filter("ids", numbers(1001));
    QTest::newRow("user ids") << "listUsers" << filter("ids", numbers(1001));
    QTest::newRow("task ids") << "listTasks" << filter("ids", numbers(1001));
    QTest::newRow("task targets")
        << "addTask"
        << QJsonObject { { QStringLiteral("task"), QJsonObject { { QStringLiteral("t"), 5 } } },
               { QStringLiteral("devicesFilter"),
                   QJsonObject { { QStringLiteral("ids"), numbers(1001) } } } };
}

void ServiceLimitsTest::longListsAreRefused()
{
    QFETCH(QString, method);
    QFETCH(QJsonObject, body);
    const qint64 tasks = m_oracle->number(QStringLiteral("SELECT count(*) FROM tasks"));
    const QJsonObject answer = call(method, body);
    QCOMPARE(statusOf(answer), 6);
    QVERIFY(answer.value(QLatin1String("message")).toString().contains(QLatin1String("1000")));
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(*) FROM tasks")), tasks);
}

void ServiceLimitsTest::longestListStillFilters()
{
    // 999 unknown firmware ids and a real one find exactly the devices with that one.
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("oracle-") + m_service.databasePath()));
    QVERIFY(query.exec(QStringLiteral(
        "SELECT firmware_id, count(*) FROM devices GROUP BY firmware_id ORDER BY 2 LIMIT 1")));
    QVERIFY(query.next());
    const QString known = query.value(0).toString();
    const int expected = query.value(1).toInt();
    query.finish();
    QJsonArray ids = texts(999);
    ids.append(known);
    const QJsonObject answer = call(QStringLiteral("listDevices"),
        { { QStringLiteral("filter"), QJsonObject { { QStringLiteral("firmwaresIds"), ids } } },
            { QStringLiteral("paging"),
                QJsonObject { { QStringLiteral("skip"), 0 }, { QStringLiteral("take"), 1000 },
                    { QStringLiteral("calcTotal"), true } } } });
    QCOMPARE(statusOf(answer), 0);
    QCOMPARE(resultOf(answer).value(QLatin1String("total")).toInt(), expected);
    for (const QJsonValue &device : itemsOf(answer))
        QCOMPARE(device.toObject().value(QLatin1String("fwId")).toString(), known);
}

void ServiceLimitsTest::unpagedListsAreCutToOnePage_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("table");
    QTest::newRow("tickets") << "listTickets"
                             << "tickets";
    QTest::newRow("tasks") << "listTasks"
                           << "tasks";
}

void ServiceLimitsTest::unpagedListsAreCutToOnePage()
{
    QFETCH(QString, method);
    QFETCH(QString, table);
    const qint64 stored = m_oracle->number(QStringLiteral("SELECT count(*) FROM %1").arg(table));
    const QJsonArray unpaged = itemsOf(call(method, {}));
    QCOMPARE(qint64(unpaged.size()), std::min<qint64>(stored, 1000));
    // Pages reach every row once.
    QSet<qint64> seen;
    for (int skip = 0; skip < stored; skip += 1000) {
        const QJsonArray page = itemsOf(call(method,
            { { QStringLiteral("paging"),
                QJsonObject {
                    { QStringLiteral("skip"), skip }, { QStringLiteral("take"), 1000 } } } }));
        for (const QJsonValue &item : page)
            seen.insert(qint64(item.toObject().value(QLatin1String("id")).toDouble()));
    }
    QCOMPARE(qint64(seen.size()), stored);
}

void ServiceLimitsTest::largeRowsAreCutByAnswerSize()
{
    // Each ticket repeats its task's data: 200,000 characters times every device of the fleet.
    const QJsonObject added = call(QStringLiteral("addTask"),
        { { QStringLiteral("task"),
              QJsonObject { { QStringLiteral("t"), 5 },
                  { QStringLiteral("d"), QString(200000, QLatin1Char('x')) } } },
            { QStringLiteral("devicesFilter"), QJsonObject() } });
    QCOMPARE(statusOf(added), 0);
    const qint64 task = qint64(resultOf(added).value(QLatin1String("id")).toDouble());
    const qint64 stored = m_oracle->number(
        QStringLiteral("SELECT count(*) FROM tickets WHERE task_id = %1").arg(task));
    QVERIFY(stored > 1000);
    const auto page = [&](int skip) {
        return itemsOf(call(QStringLiteral("listTickets"),
            { { QStringLiteral("filter"), QJsonObject { { QStringLiteral("taskId"), task } } },
                { QStringLiteral("what"), QStringLiteral("id") },
                { QStringLiteral("paging"),
                    QJsonObject {
                        { QStringLiteral("skip"), skip }, { QStringLiteral("take"), 1000 } } } }));
    };
    const QJsonArray first = page(0);
    QVERIFY(!first.isEmpty());
    QVERIFY2(first.size() < 400, qPrintable(QString::number(first.size())));
    // The next page goes on where the cut was made.
    const QJsonArray second = page(first.size());
    QVERIFY(!second.isEmpty());
    QVERIFY(second.first().toObject().value(QLatin1String("id")).toDouble()
        > first.last().toObject().value(QLatin1String("id")).toDouble());
}

QTEST_GUILESS_MAIN(ServiceLimitsTest)
#include "tst_service_limits.moc"
