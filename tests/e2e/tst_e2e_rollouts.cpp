// Staged firmware rollouts end to end: the console starts them in the task editor and follows
// them in the rollouts view, the reference service moves them on with a simulated fleet whose
// firmware updates all fail at first and then all succeed (after a restart of the service).
#include "ConsoleRun.h"
#include "DemoServiceRun.h"
#include "ForkedService.h"
#include "OperatorWindow.h"
#include "ServiceDatabase.h"

#include <QTest>

namespace {

const QString demoLogin = QStringLiteral("admin@example.com");
const QString demoPassword = QStringLiteral("demo-admin-2026");
constexpr int networkTimeout = 30000;
constexpr int uiTimeout = 10000;
// Offline devices wait until the simulated fleet brings them online; below the test function's
// own five-minute limit, so a slow fleet fails with the waited-for value instead of an abort.
constexpr int fleetTimeout = 240000;

} // namespace

class RolloutsRun : public QObject
{
    Q_OBJECT
public:
    RolloutsRun(ForkedService &service, const QString &databasePath)
        : m_service(service)
        , m_database(databasePath)
    { }

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QVERIFY(m_database.open());
        QVERIFY(m_console.signInAtStart(demoLogin, demoPassword));
        QVERIFY(
            m_console.openObjective(QStringLiteral("tasks"), QStringLiteral("manageTasksView")));
        // The service offers rollouts: the tasks screen shows them.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("rolloutsButton")), networkTimeout);
    }

    void failuresStopTheRolloutAfterItsFirstGroup()
    {
        const qint64 id = addStagedRollout(90);
        QVERIFY(id > 0);
        QTRY_COMPARE_WITH_TIMEOUT(
            number(QStringLiteral("SELECT state FROM rollouts WHERE id = %1").arg(id)), qint64(3),
            fleetTimeout);
        // Devices that had begun finish; the rest of the group was called off.
        QTRY_COMPARE_WITH_TIMEOUT(
            number(
                QStringLiteral("SELECT count(*) FROM tickets k JOIN rollout_tasks r ON r.task_id = "
                               "k.task_id WHERE r.rollout_id = %1 AND k.status IN (0, 1)")
                    .arg(id)),
            qint64(0), fleetTimeout);
        QVERIFY(
            number(
                QStringLiteral("SELECT count(*) FROM rollout_groups WHERE rollout_id = %1").arg(id))
            >= 2);
        QCOMPARE(number(QStringLiteral(
                     "SELECT count(*) FROM rollout_tasks WHERE rollout_id = %1 AND group_idx > 0")
                            .arg(id)),
            qint64(0));
        QCOMPARE(number(QStringLiteral("SELECT count(*) FROM rollout_groups WHERE rollout_id = %1 "
                                       "AND idx > 0 AND started_ms > 0")
                            .arg(id)),
            qint64(0));

        openRollouts();
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("rolloutState_%1").arg(id), "text").toString(),
            QStringLiteral("Stopped by errors"), networkTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(groupText(id, 0), expectedGroupText(id), networkTimeout);
        QVERIFY(groupText(id, 0).contains(QLatin1String("failed")));
        closeRollouts();
    }

    void withoutFailuresEveryGroupFollows()
    {
        // The same service on the same database and port, now with a fleet whose updates work.
        m_service.stop();
        m_service.addArguments({ "--simulate-firmware-failures", "0" });
        std::string error;
        QVERIFY2(m_service.start(error), error.c_str());

        const qint64 id = addStagedRollout(50);
        QVERIFY(id > 0);
        QTRY_COMPARE_WITH_TIMEOUT(
            number(QStringLiteral("SELECT state FROM rollouts WHERE id = %1").arg(id)), qint64(4),
            fleetTimeout);
        QCOMPARE(number(QStringLiteral(
                     "SELECT count(DISTINCT group_idx) FROM rollout_tasks WHERE rollout_id = %1")
                            .arg(id)),
            number(QStringLiteral("SELECT count(*) FROM rollout_groups WHERE rollout_id = %1")
                       .arg(id)));
        openRollouts();
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("rolloutState_%1").arg(id), "text").toString(),
            QStringLiteral("Finished"), networkTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(groupText(id, 1), expectedGroupText(id, 1), networkTimeout);
        closeRollouts();
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

private:
    static void settle() { QTest::qWait(500); }

    qint64 number(const QString &sql)
    {
        const QVariant value = m_database.scalar(sql);
        return value.isValid() ? value.toLongLong() : -1;
    }

    // A firmware update to the latest of each device of the physics classrooms, in two halves.
    qint64 addStagedRollout(int successPercent)
    {
        const qint64 last = number(QStringLiteral("SELECT coalesce(max(id), 0) FROM rollouts"));
        if (!m_console.click(QStringLiteral("addTaskButton")))
            return -1;
        if (!QTest::qWaitFor(
                [this] { return m_console.isShown(QStringLiteral("taskEditor")); }, uiTimeout))
            return -2;
        settle();
        m_console.click(QStringLiteral("taskTypeCombo"));
        if (!QTest::qWaitFor(
                [this] { return m_console.isShown(QStringLiteral("taskType_2")); }, uiTimeout))
            return -3;
        settle();
        m_console.click(QStringLiteral("taskType_2"));
        if (!QTest::qWaitFor(
                [this] { return m_console.isShown(QStringLiteral("rolloutInStages")); },
                networkTimeout))
            return -4;
        if (!tickTag(QStringLiteral("tagRow_404")))
            return -5;
        m_console.click(QStringLiteral("rolloutInStages"));
        if (!QTest::qWaitFor(
                [this] { return m_console.isShown(QStringLiteral("rolloutSizes")); }, uiTimeout))
            return -6;
        m_console.typeInto(QStringLiteral("rolloutSizes"), QStringLiteral("50"));
        if (QQuickItem *success = m_console.item(QStringLiteral("rolloutSuccessThreshold")))
            success->setProperty("value", successPercent);
        if (!QTest::qWaitFor(
                [this] { return m_console.read(QStringLiteral("okButton"), "enabled").toBool(); },
                networkTimeout))
            return -7;
        m_console.click(QStringLiteral("okButton"));
        const QString newest = QStringLiteral("SELECT coalesce(max(id), 0) FROM rollouts");
        if (!QTest::qWaitFor([&] { return number(newest) > last; }, networkTimeout))
            return -8;
        return number(newest);
    }

    bool tickTag(const QString &row)
    {
        if (!QTest::qWaitFor([&] { return m_console.isShown(row); }, networkTimeout))
            return false;
        QQuickItem *tree = m_console.itemIn(
            m_console.item(QStringLiteral("taskTagSelection")), QStringLiteral("tagsList"));
        if (!tree)
            return false;
        tree->setProperty("contentY", m_console.itemIn(tree, row)->y());
        settle();
        const auto ticked = [&] {
            QQuickItem *box = m_console.itemIn(m_console.item(row), QStringLiteral("tagCheckBox"));
            return box && box->property("checked").toBool();
        };
        for (int attempt = 0; attempt < 3 && !ticked(); ++attempt) {
            m_console.clickIn(row, QStringLiteral("tagCheckBox"));
            if (QTest::qWaitFor(ticked, 3000))
                break;
        }
        return ticked();
    }

    void openRollouts()
    {
        QVERIFY(m_console.click(QStringLiteral("rolloutsButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("rolloutsList")), uiTimeout);
    }

    void closeRollouts()
    {
        QVERIFY(m_console.click(QStringLiteral("rolloutsCloseButton")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_console.isShown(QStringLiteral("rolloutsList")), uiTimeout);
    }

    QString groupText(qint64 id, int group)
    {
        QQuickItem *bar = m_console.item(QStringLiteral("rolloutGroup_%1_%2").arg(id).arg(group));
        QQuickItem *label
            = bar ? m_console.itemIn(bar, QStringLiteral("rolloutGroupCounts")) : nullptr;
        return label ? label->property("text").toString() : QString();
    }

    // The group's line as the service's database has it.
    QString expectedGroupText(qint64 id, int group = 0)
    {
        const QString count = QStringLiteral(
            "SELECT count(*) FROM tickets k JOIN rollout_tasks r ON r.task_id = k.task_id WHERE "
            "r.rollout_id = %1 AND r.group_idx = %2 AND k.status = %3");
        const auto of = [&](int status) {
            return number(count.arg(id).arg(group).arg(status));
        };
        QString text = QStringLiteral("Group %1: %2 pending, %3 running, %4 completed, %5 failed")
                           .arg(group + 1)
                           .arg(of(0))
                           .arg(of(1))
                           .arg(of(2))
                           .arg(of(4));
        if (of(3) > 0)
            text += QStringLiteral(", %1 canceled").arg(of(3));
        return text;
    }

    ForkedService &m_service;
    ServiceDatabase m_database;
    OperatorWindow m_console;
};

int main()
{
    // Every firmware update fails until the test restarts the service without failures.
    return DemoServiceRun::runWith("e2e-rollouts",
        { "--demo-devices", "150", "--simulate", "--simulate-interval", "100",
            "--simulate-firmware-failures", "100" },
        [](ForkedService &service, const QString &serviceUri, const QStringList &arguments) {
            DemoServiceRun::useCataloguesOf(serviceUri);
            const QString folder = QString::fromStdString(service.workDir());
            RolloutsRun run(service, folder + QStringLiteral("/service.sqlite"));
            return ConsoleRun::run(&run, arguments);
        });
}

#include "tst_e2e_rollouts.moc"
