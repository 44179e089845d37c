#include "ServiceTestCase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {
enum State { Running = 0, Waiting = 1, Paused = 2, Stopped = 3, Finished = 4, Aborted = 5 };
const QString firmware1100
    = QStringLiteral("{\"uri\":\"http://127.0.0.1/ota\",\"version\":\"1100\"}");
const QString firmware2100
    = QStringLiteral("{\"uri\":\"http://127.0.0.1/ota\",\"version\":\"2100\"}");
} // namespace

// Staged firmware rollouts over HTTP. Nothing simulates the fleet here: the test reports the
// tickets' outcomes into the database as devices would, and watches the service move on.
class ServiceRolloutsTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void groupsCoverEachDeviceOnce();
    void thresholdsDecideTheNextGroup();
    void pauseResumeAbortAcrossACrash();
    void rightsAndReachAreThoseOfTasks();

private:
    QVector<qint64> deviceIds(const QString &condition, int limit)
    {
        QSqlQuery query(reports());
        query.exec(QStringLiteral("SELECT id FROM devices WHERE %1 ORDER BY id LIMIT %2")
                       .arg(condition)
                       .arg(limit));
        QVector<qint64> ids;
        while (query.next())
            ids.append(query.value(0).toLongLong());
        return ids;
    }

    static QJsonArray json(const QVector<qint64> &ids)
    {
        QJsonArray array;
        for (qint64 id : ids)
            array.append(id);
        return array;
    }

    QJsonObject addRollout(
        const QJsonArray &targets, const QJsonObject &rollout, const QString &token = {})
    {
        return m_client->call(QStringLiteral("addRollout"),
            { { QStringLiteral("rollout"), rollout }, { QStringLiteral("targets"), targets } },
            token.isEmpty() ? m_god : token);
    }

    QJsonObject rollout(qint64 id, const QString &token = {})
    {
        const QJsonObject answer = m_client->call(QStringLiteral("listRollouts"),
            { { QStringLiteral("filter"),
                QJsonObject { { QStringLiteral("ids"), QJsonArray { id } } } } },
            token.isEmpty() ? m_god : token);
        return itemsOf(answer).at(0).toObject();
    }

    int stateOf(qint64 id) { return rollout(id).value(QLatin1String("s")).toInt(-1); }

    QJsonObject change(const QString &method, qint64 id, const QString &token = {})
    {
        return m_client->call(
            method, { { QStringLiteral("rolloutId"), id } }, token.isEmpty() ? m_god : token);
    }

    // Reports the outcome of up to count open tickets of a group, as its devices would.
    void report(qint64 rollout, int group, int status, int count)
    {
        QSqlQuery query(reports());
        QVERIFY(query.exec(QStringLiteral(
            "UPDATE tickets SET status = %1 WHERE id IN (SELECT k.id FROM tickets k JOIN "
            "rollout_tasks r ON r.task_id = k.task_id WHERE r.rollout_id = %2 AND r.group_idx = "
            "%3 AND k.status IN (0, 1) ORDER BY k.id LIMIT %4)")
                               .arg(status)
                               .arg(rollout)
                               .arg(group)
                               .arg(count)));
    }

    qint64 tasksOfGroup(qint64 rollout, int group)
    {
        return m_oracle->number(QStringLiteral("SELECT count(*) FROM rollout_tasks WHERE "
                                               "rollout_id = %1 AND group_idx = %2")
                                    .arg(rollout)
                                    .arg(group));
    }

    // A connection of its own that writes what devices report.
    QSqlDatabase reports()
    {
        const QString name = QStringLiteral("reports");
        if (!QSqlDatabase::contains(name)) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_service.databasePath());
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
            db.open();
        }
        return QSqlDatabase::database(name);
    }

    static QString idList(const QVector<qint64> &ids)
    {
        QStringList texts;
        for (qint64 id : ids)
            texts.append(QString::number(id));
        return texts.join(QLatin1Char(','));
    }
};

void ServiceRolloutsTest::groupsCoverEachDeviceOnce()
{
    const QVector<qint64> behind3
        = deviceIds(QStringLiteral("firmware_id IN ('fw-G31040', 'fw-G31050')"), 30);
    const QVector<qint64> current3 = deviceIds(QStringLiteral("firmware_id = 'fw-G31100'"), 5);
    const QVector<qint64> behind4
        = deviceIds(QStringLiteral("firmware_id IN ('fw-G42000', 'fw-G42010')"), 12);
    QCOMPARE(behind3.size() + current3.size() + behind4.size(), 47);

    // A device listed twice counts once; those already on their target are left out.
    const QJsonArray targets {
        QJsonObject { { QStringLiteral("d"), firmware1100 },
            { QStringLiteral("ids"), json(behind3 + current3) } },
        QJsonObject { { QStringLiteral("d"), firmware2100 },
            { QStringLiteral("ids"), json(behind4 + behind3.mid(0, 3)) } },
    };
    const QJsonObject added
        = resultOf(addRollout(targets, { { QStringLiteral("sizes"), QJsonArray { 10, 30 } } }));
    const qint64 id = added.value(QLatin1String("id")).toVariant().toLongLong();
    QVERIFY(id > 0);
    QCOMPARE(added.value(QLatin1String("s")).toInt(), int(Running));
    QCOMPARE(added.value(QLatin1String("st")).toInt(), 90);
    QCOMPARE(added.value(QLatin1String("et")).toInt(), 10);
    QCOMPARE(added.value(QLatin1String("ns")).toInt(), 42);
    const QJsonArray groups = added.value(QLatin1String("groups")).toArray();
    QCOMPARE(groups.size(), 3);
    QCOMPARE(groups.at(0).toObject().value(QLatin1String("n")).toInt(), 4);
    QCOMPARE(groups.at(1).toObject().value(QLatin1String("n")).toInt(), 13);
    QCOMPARE(groups.at(2).toObject().value(QLatin1String("n")).toInt(), 25);
    QCOMPARE(groups.at(0).toObject().value(QLatin1String("pc")).toInt(), 4);
    QVERIFY(groups.at(1).toObject().value(QLatin1String("sa")).isNull());

    const QString of = QStringLiteral(" FROM rollout_devices WHERE rollout_id = %1").arg(id);
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(*)") + of), qint64(42));
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(DISTINCT device_id)") + of), qint64(42));
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(*)") + of
                 + QStringLiteral(" AND device_id IN (%1)").arg(idList(current3))),
        qint64(0));
    QCOMPARE(m_oracle->number(
                 QStringLiteral("SELECT count(*)") + of + QStringLiteral(" AND target_idx = 1")),
        qint64(12));
    // Only the first group has tasks: one per version among its devices, one ticket per device.
    QCOMPARE(tasksOfGroup(id, 0),
        m_oracle->number(QStringLiteral("SELECT count(DISTINCT target_idx)") + of
            + QStringLiteral(" AND group_idx = 0")));
    QCOMPARE(tasksOfGroup(id, 1) + tasksOfGroup(id, 2), qint64(0));
    QCOMPARE(
        m_oracle->number(QStringLiteral("SELECT count(*) FROM tickets k JOIN rollout_tasks r ON "
                                        "r.task_id = k.task_id WHERE r.rollout_id = %1")
                             .arg(id)),
        qint64(4));
    QCOMPARE(m_oracle->number(QStringLiteral(
                 "SELECT count(*) FROM tasks t JOIN rollout_tasks r ON r.task_id = t.id WHERE "
                 "r.rollout_id = %1 AND t.type = 3 AND t.data IN ('%2', '%3')")
                                  .arg(id)
                                  .arg(firmware1100, firmware2100)),
        tasksOfGroup(id, 0));

    // Nothing to do, or nothing found: NotFound and nothing stored.
    const qint64 before = m_oracle->number(QStringLiteral("SELECT count(*) FROM rollouts"));
    QCOMPARE(statusOf(addRollout({ QJsonObject { { QStringLiteral("d"), firmware1100 },
                                     { QStringLiteral("ids"), json(current3) } } },
                 {})),
        5);
    QCOMPARE(statusOf(addRollout({ QJsonObject { { QStringLiteral("d"), firmware1100 },
                                     { QStringLiteral("ids"), QJsonArray { 999999999 } } } },
                 {})),
        5);
    QCOMPARE(statusOf(addRollout({ QJsonObject { { QStringLiteral("d"), firmware1100 },
                                     { QStringLiteral("ids"), json(behind3) } } },
                 { { QStringLiteral("st"), 0 } })),
        6);
    QCOMPARE(statusOf(addRollout({ QJsonObject { { QStringLiteral("d"), firmware1100 },
                                     { QStringLiteral("ids"), json(behind3) } } },
                 { { QStringLiteral("t"), 5 } })),
        6);
    QCOMPARE(statusOf(addRollout({}, {})), 6);
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(*) FROM rollouts")), before);
}

void ServiceRolloutsTest::thresholdsDecideTheNextGroup()
{
    const QVector<qint64> devices = deviceIds(QStringLiteral("firmware_id = 'fw-G31040'"), 10);
    QCOMPARE(devices.size(), 10);
    const QJsonArray targets { QJsonObject {
        { QStringLiteral("d"), firmware1100 }, { QStringLiteral("ids"), json(devices) } } };

    // On approval: 4 then 6 devices, the next group once three of four completed.
    const qint64 manual = resultOf(
        addRollout(targets,
            { { QStringLiteral("sizes"), QJsonArray { 40 } }, { QStringLiteral("st"), 75 },
                { QStringLiteral("et"), 50 }, { QStringLiteral("auto"), false } }))
                              .value(QLatin1String("id"))
                              .toVariant()
                              .toLongLong();
    report(manual, 0, 2, 2);
    QTest::qWait(1500);
    QCOMPARE(stateOf(manual), int(Running));
    QCOMPARE(statusOf(change(QStringLiteral("startNextGroup"), manual)), 6);
    report(manual, 0, 2, 1);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(manual), int(Waiting), 10000);
    QCOMPARE(tasksOfGroup(manual, 1), qint64(0));
    const QJsonObject next = resultOf(change(QStringLiteral("startNextGroup"), manual));
    QCOMPARE(next.value(QLatin1String("s")).toInt(), int(Running));
    QCOMPARE(next.value(QLatin1String("groups"))
                 .toArray()
                 .at(1)
                 .toObject()
                 .value(QLatin1String("pc"))
                 .toInt(),
        6);
    QCOMPARE(tasksOfGroup(manual, 1), qint64(1));
    // The last group finishes the rollout once none of its tickets is open.
    // It finishes once no ticket of any group is open: the first group still has one.
    report(manual, 1, 2, 6);
    QTest::qWait(1000);
    QCOMPARE(stateOf(manual), int(Running));
    report(manual, 0, 2, 1);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(manual), int(Finished), 10000);

    // Automatic: the next group follows by itself.
    const qint64 automatic
        = resultOf(addRollout(targets, { { QStringLiteral("sizes"), QJsonArray { 20 } } }))
              .value(QLatin1String("id"))
              .toVariant()
              .toLongLong();
    report(automatic, 0, 2, 2);
    QTRY_COMPARE_WITH_TIMEOUT(tasksOfGroup(automatic, 1), qint64(1), 10000);
    QCOMPARE(stateOf(automatic), int(Running));

    // Too many failures stop it: the first group's waiting devices are called off and no later
    // group ever gets a task.
    const qint64 failing
        = resultOf(addRollout(targets, { { QStringLiteral("sizes"), QJsonArray { 30 } } }))
              .value(QLatin1String("id"))
              .toVariant()
              .toLongLong();
    report(failing, 0, 4, 1);
    QTRY_COMPARE_WITH_TIMEOUT(stateOf(failing), int(Stopped), 10000);
    const QJsonObject stopped
        = rollout(failing).value(QLatin1String("groups")).toArray().at(0).toObject();
    QCOMPARE(stopped.value(QLatin1String("fc")).toInt(), 1);
    QCOMPARE(stopped.value(QLatin1String("cc")).toInt(), 2);
    QCOMPARE(stopped.value(QLatin1String("pc")).toInt(), 0);
    QCOMPARE(tasksOfGroup(failing, 1), qint64(0));
    QCOMPARE(statusOf(change(QStringLiteral("resumeRollout"), failing)), 6);
}

void ServiceRolloutsTest::pauseResumeAbortAcrossACrash()
{
    const QVector<qint64> devices = deviceIds(QStringLiteral("firmware_id = 'fw-G31050'"), 4);
    const qint64 id = resultOf(addRollout({ QJsonObject { { QStringLiteral("d"), firmware1100 },
                                              { QStringLiteral("ids"), json(devices) } } },
                                   { { QStringLiteral("sizes"), QJsonArray { 50 } } }))
                          .value(QLatin1String("id"))
                          .toVariant()
                          .toLongLong();
    QCOMPARE(resultOf(change(QStringLiteral("pauseRollout"), id)).value(QLatin1String("s")).toInt(),
        int(Paused));
    report(id, 0, 2, 2);
    QTest::qWait(1500);
    QCOMPARE(tasksOfGroup(id, 1), qint64(0));

    // Killed without warning, the service reads its rollouts back as they were.
    m_service.kill();
    QVERIFY(m_service.start());
    m_client = std::make_unique<ServiceClient>(m_service.port());
    const QJsonObject kept = rollout(id);
    QCOMPARE(kept.value(QLatin1String("s")).toInt(), int(Paused));
    QCOMPARE(kept.value(QLatin1String("groups"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QLatin1String("sc"))
                 .toInt(),
        2);

    QCOMPARE(
        resultOf(change(QStringLiteral("resumeRollout"), id)).value(QLatin1String("s")).toInt(),
        int(Running));
    QCOMPARE(tasksOfGroup(id, 1), qint64(1));
    const QJsonObject aborted = resultOf(change(QStringLiteral("abortRollout"), id));
    QCOMPARE(aborted.value(QLatin1String("s")).toInt(), int(Aborted));
    QCOMPARE(aborted.value(QLatin1String("ns")).toInt(), 0);
    QCOMPARE(aborted.value(QLatin1String("groups"))
                 .toArray()
                 .at(1)
                 .toObject()
                 .value(QLatin1String("cc"))
                 .toInt(),
        2);
    QCOMPARE(statusOf(change(QStringLiteral("pauseRollout"), id)), 6);
    QCOMPARE(statusOf(change(QStringLiteral("abortRollout"), id)), 6);
}

void ServiceRolloutsTest::rightsAndReachAreThoseOfTasks()
{
    const QString technician
        = m_client->login(demo::technician, demo::passwordOf(demo::technician));
    const QString localAdmin
        = m_client->login(demo::localAdmin, demo::passwordOf(demo::localAdmin));
    const QJsonObject own = m_client->call(QStringLiteral("listDevices"),
        { { QStringLiteral("filter"),
            QJsonObject {
                { QStringLiteral("firmwaresIds"), QJsonArray { "fw-G31040", "fw-G31050" } } } } },
        technician);
    QVector<qint64> reachable;
    for (const QJsonValue &device : itemsOf(own))
        reachable.append(device.toObject().value(QLatin1String("id")).toVariant().toLongLong());
    QVERIFY(!reachable.isEmpty());
    const QVector<qint64> elsewhere
        = deviceIds(QStringLiteral("firmware_id IN ('fw-G31040', 'fw-G31050') AND id NOT IN (%1)")
                        .arg(idList(reachable)),
            5);
    QVERIFY(!elsewhere.isEmpty());

    // A technician creates rollouts over his own devices only, and does not steer them.
    QCOMPARE(statusOf(addRollout({ QJsonObject { { QStringLiteral("d"), firmware1100 },
                                     { QStringLiteral("ids"), json(elsewhere) } } },
                 {}, technician)),
        5);
    const QJsonObject added
        = resultOf(addRollout({ QJsonObject { { QStringLiteral("d"), firmware1100 },
                                  { QStringLiteral("ids"), json(reachable + elsewhere) } } },
            {}, technician));
    QCOMPARE(added.value(QLatin1String("ns")).toInt(), reachable.size());
    const qint64 id = added.value(QLatin1String("id")).toVariant().toLongLong();
    QCOMPARE(statusOf(change(QStringLiteral("pauseRollout"), id, technician)), 3);
    QCOMPARE(rollout(id, technician).value(QLatin1String("id")).toVariant().toLongLong(), id);
    QCOMPARE(resultOf(change(QStringLiteral("pauseRollout"), id, localAdmin))
                 .value(QLatin1String("s"))
                 .toInt(),
        int(Paused));

    // A rollout of the root location is out of a local administrator's reach: as if missing.
    const qint64 root = resultOf(addRollout({ QJsonObject { { QStringLiteral("d"), firmware1100 },
                                                { QStringLiteral("ids"), json(elsewhere) } } },
                                     {}))
                            .value(QLatin1String("id"))
                            .toVariant()
                            .toLongLong();
    QVERIFY(root > 0);
    QVERIFY(rollout(root, localAdmin).isEmpty());
    QCOMPARE(statusOf(change(QStringLiteral("abortRollout"), root, localAdmin)), 5);
    QCOMPARE(stateOf(root), int(Running));
}

QTEST_GUILESS_MAIN(ServiceRolloutsTest)
#include "tst_service_rollouts.moc"
