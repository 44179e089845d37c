// Tasks end to end: the reference service with a living fleet, and the console creating,
// following and cancelling tasks. What the console sent is read back from the service's own
// database and compared with what the service lists for the same filters.
#include "ConsoleRun.h"
#include "DemoServiceRun.h"
#include "ForkedService.h"
#include "OperatorWindow.h"
#include "ServiceCalls.h"
#include "ServiceDatabase.h"

#include <QJSValue>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString demoLogin = QStringLiteral("admin@example.com");
const QString demoPassword = QStringLiteral("demo-admin-2026");
// A cabinet type carried by a few dozen of the demo devices.
constexpr qint64 physicsClassroomTag = 404;
constexpr int networkTimeout = 30000;
constexpr int uiTimeout = 10000;
// Tickets run for eight seconds once their device is online.
constexpr int fleetTimeout = 90000;

// A filter as the console sends it when nothing is chosen.
QJsonObject defaultDevicesFilter()
{
    return QJsonObject { { QStringLiteral("includeServants"), true },
        { QStringLiteral("unregistered"), false }, { QStringLiteral("archivedCustomer"), false },
        { QStringLiteral("isOnline"), QJsonValue() }, { QStringLiteral("tagsIds"), QJsonValue() },
        { QStringLiteral("firmwaresIds"), QJsonValue() },
        { QStringLiteral("modelsIds"), QJsonValue() },
        { QStringLiteral("anyOfTagsIds"), QJsonValue() }, { QStringLiteral("ids"), QJsonValue() } };
}

// Devices in the order of their ids, as "fw" by id.
QMap<qint64, QString> listedDevices(ServiceCalls &api, const QJsonObject &filter)
{
    const QJsonObject answer = api.call(QStringLiteral("listDevices"),
        QJsonObject { { QStringLiteral("filter"), filter },
            { QStringLiteral("paging"),
                QJsonObject { { QStringLiteral("skip"), 0 }, { QStringLiteral("take"), 1000 },
                    { QStringLiteral("calcTotal"), true } } },
            { QStringLiteral("what"), QStringLiteral("id,fw") } });
    QMap<qint64, QString> devices;
    const QJsonArray items
        = answer.value(QLatin1String("result")).toObject().value(QLatin1String("items")).toArray();
    for (const QJsonValue &item : items) {
        const QJsonObject device = item.toObject();
        devices.insert(device.value(QLatin1String("id")).toVariant().toLongLong(),
            device.value(QLatin1String("fw")).toString());
    }
    return devices;
}

// The rows' values of one property, from a list whose model is a script array of objects.
QVariantList modelValues(OperatorWindow &console, const QString &list, const char *property)
{
    QVariant model = console.read(list, "model");
    if (model.userType() == qMetaTypeId<QJSValue>())
        model = model.value<QJSValue>().toVariant();
    QVariantList values;
    const QVariantList rows = model.toList();
    for (const QVariant &row : rows) {
        QObject *entity = row.value<QObject *>();
        values.append(entity ? entity->property(property) : QVariant());
    }
    return values;
}

} // namespace

class TasksRun : public QObject
{
    Q_OBJECT
public:
    TasksRun(const QString &serviceUri, const QString &databasePath)
        : m_api(serviceUri)
        , m_database(databasePath)
    { }

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QVERIFY(m_database.open());
        QVERIFY(m_api.login(demoLogin, demoPassword));
        QVERIFY(m_console.signInAtStart(demoLogin, demoPassword));
        QVERIFY(
            m_console.openObjective(QStringLiteral("tasks"), QStringLiteral("manageTasksView")));
    }

    void showMessageToOneTagIsFollowedToTheEnd()
    {
        QJsonObject tagged = defaultDevicesFilter();
        tagged.insert(QStringLiteral("anyOfTagsIds"), QJsonArray { physicsClassroomTag });
        const QList<qint64> expected = listedDevices(m_api, tagged).keys();
        QVERIFY(!expected.isEmpty());

        const qint64 lastTask = newestTaskId();
        QVERIFY(m_console.click(QStringLiteral("addTaskButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("taskEditor")), uiTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("tagRow_404")), networkTimeout);
        // Scrolled to the tag's row, as an operator would, so that the click reaches its box.
        QQuickItem *tree = m_console.itemIn(
            m_console.item(QStringLiteral("taskTagSelection")), QStringLiteral("tagsList"));
        QVERIFY(tree);
        tree->setProperty("contentY", m_console.itemIn(tree, QStringLiteral("tagRow_404"))->y());
        settle();
        // A click while the tree still moves may miss its box: click until it is ticked.
        const auto tagTicked = [this] {
            QQuickItem *box = m_console.itemIn(
                m_console.item(QStringLiteral("tagRow_404")), QStringLiteral("tagCheckBox"));
            return box && box->property("checked").toBool();
        };
        for (int attempt = 0; attempt < 3 && !tagTicked(); ++attempt) {
            QVERIFY(m_console.clickIn(QStringLiteral("tagRow_404"), QStringLiteral("tagCheckBox")));
            if (QTest::qWaitFor(tagTicked, 3000))
                break;
        }
        QVERIFY(tagTicked());
        // The counter follows the tags: the devices the task will reach.
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("devicesCounter"), "text").toString(),
            QStringLiteral("selected: %1").arg(expected.size()), networkTimeout);
        QVERIFY(m_console.typeInto(QStringLiteral("messageText"), QStringLiteral("Fire drill")));
        QVERIFY(m_console.click(QStringLiteral("okButton")));
        QTRY_VERIFY_WITH_TIMEOUT(newestTaskId() > lastTask, networkTimeout);
        const qint64 task = newestTaskId();

        // One ticket per device carrying the tag, as the service lists them.
        QCOMPARE(ticketDevices(task), expected);
        QCOMPARE(
            scalar(QStringLiteral("SELECT type FROM tasks WHERE id = %1").arg(task)).toInt(), 5);
        QCOMPARE(
            scalar(QStringLiteral("SELECT data FROM tasks WHERE id = %1").arg(task)).toString(),
            QStringLiteral("{\"message\":\"Fire drill\",\"image\":{\"src\":\"\"}}"));

        // The new task is current and its tickets show; they finish without a refresh.
        QTRY_COMPARE_WITH_TIMEOUT(m_console.read(QStringLiteral("ticketsList"), "count").toInt(),
            expected.size(), networkTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(
            modelValues(m_console, QStringLiteral("ticketsList"), "status").contains(2)
                || modelValues(m_console, QStringLiteral("ticketsList"), "status").contains(4),
            fleetTimeout);
        QVERIFY(scalar(QStringLiteral("SELECT count(*) FROM tickets WHERE task_id = %1 AND status "
                                      "IN (2, 4)")
                           .arg(task))
                    .toInt()
            > 0);

        // A ticket's details.
        QVERIFY(m_console.doubleClick(QStringLiteral("ticketRow")));
        settle();
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("ticketDeviceName")), uiTimeout);
        const QString deviceName
            = m_console.read(QStringLiteral("ticketDeviceName"), "text").toString();
        QVERIFY(!deviceName.isEmpty());
        QVERIFY(scalar(QStringLiteral("SELECT count(*) FROM tickets k JOIN devices d ON d.id = "
                                      "k.device_id WHERE k.task_id = %1 AND d.name = '%2'")
                           .arg(task)
                           .arg(deviceName))
                    .toInt()
            == 1);
        QVERIFY(m_console.click(QStringLiteral("ticketDetailsOkButton")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_console.isShown(QStringLiteral("ticketDeviceName")), uiTimeout);
    }

    void firmwareToTheLatestMakesOneTaskPerVersion()
    {
        const qint64 lastTask = newestTaskId();
        QVERIFY(m_console.click(QStringLiteral("addTaskButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("taskEditor")), uiTimeout);
        settle();

        // The catalogues served next to the service, found through the start options alone.
        chooseTaskType(1);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("productList"), "count").toInt(), 4, networkTimeout);
        QVERIFY(!m_console.isShown(QStringLiteral("storeCatalogueProblem")));
        chooseTaskType(2);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("firmwareToTheLatest")), uiTimeout);
        QVERIFY(m_console.click(QStringLiteral("firmwareToTheLatest")));
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("firmwareVersionList"), "count").toInt(), 7,
            networkTimeout);
        QStringList labels;
        const QVariantList rows = listModel(QStringLiteral("firmwareVersionList"));
        for (const QVariant &row : rows)
            labels << row.toMap().value(QStringLiteral("label")).toString();
        QCOMPARE(labels,
            QStringList({ "1100 (model G3)", "1050 (model G3)", "1040 (model G3)",
                "2100 (model G4)", "2010 (model G4)", "2000 (model G4)", "990 (model G4)" }));
        QVERIFY(!m_console.isShown(QStringLiteral("firmwareCatalogueProblem")));
        QVERIFY(m_console.click(QStringLiteral("firmwareToTheLatest")));
        QVERIFY(m_console.read(QStringLiteral("firmwareToTheLatest"), "checked").toBool());
        // Every device the filter finds is looked at before OK is offered.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.read(QStringLiteral("okButton"), "enabled").toBool(), networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("okButton")));

        // Expected: per code, the devices behind the newest version, compared as numbers.
        const QMap<qint64, QString> devices = listedDevices(m_api, defaultDevicesFilter());
        QVERIFY(devices.size() > 100);
        const QMap<QString, QString> latest { { QStringLiteral("G3"), QStringLiteral("1100") },
            { QStringLiteral("G4"), QStringLiteral("2100") } };
        QMap<QString, QList<qint64>> expected;
        for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
            const QString code = it.value().left(it.value().size() - 4);
            const int number = it.value().right(4).toInt();
            if (latest.contains(code) && number < latest.value(code).toInt())
                expected[latest.value(code)].append(it.key());
        }
        QCOMPARE(expected.size(), 2);

        QTRY_COMPARE_WITH_TIMEOUT(
            scalar(QStringLiteral("SELECT count(*) FROM tasks WHERE id > %1").arg(lastTask))
                .toInt(),
            expected.size(), networkTimeout);
        QSqlQuery created(m_database.database());
        QVERIFY(created.exec(
            QStringLiteral("SELECT id, type, data FROM tasks WHERE id > %1").arg(lastTask)));
        QMap<QString, QList<qint64>> sent;
        while (created.next()) {
            QCOMPARE(created.value(1).toInt(), 3);
            const QJsonObject data
                = QJsonDocument::fromJson(created.value(2).toString().toUtf8()).object();
            QVERIFY(data.value(QLatin1String("uri")).toString().endsWith(QLatin1String("/ota")));
            sent.insert(data.value(QLatin1String("version")).toString(),
                ticketDevices(created.value(0).toLongLong()));
        }
        QCOMPARE(sent, expected);
    }

    void cancelTask()
    {
        // The newest task, a firmware update whose offline devices still wait.
        const qint64 task = newestTaskId();
        // The list may still show the tasks from before the last one was added.
        QTRY_COMPARE_WITH_TIMEOUT(rowTaskId(0), task, networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("taskRow_0")));
        QTRY_COMPARE_WITH_TIMEOUT(
            entityId(QStringLiteral("taskDetails")), QString::number(task), networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("cancelTaskButton")));
        // Asked first, naming the open tickets.
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("okButton")), uiTimeout);
        QVERIFY(m_console.read(QStringLiteral("messageLabel"), "text")
                    .toString()
                    .contains(QLatin1String("open ticket")));
        settle();
        QVERIFY(m_console.click(QStringLiteral("okButton")));
        QTRY_VERIFY_WITH_TIMEOUT(
            scalar(QStringLiteral("SELECT count(*) FROM tickets WHERE task_id = %1 AND status = 3")
                       .arg(task))
                    .toInt()
                > 0,
            networkTimeout);
        // Nothing is left to cancel: the button says so instead of doing nothing.
        QTRY_VERIFY_WITH_TIMEOUT(
            !m_console.read(QStringLiteral("cancelTaskButton"), "enabled").toBool(),
            networkTimeout);
        QCOMPARE(scalar(QStringLiteral(
                            "SELECT count(*) FROM tickets WHERE task_id = %1 AND status IN (0, 1)")
                            .arg(task))
                     .toInt(),
            0);
        // The question has gone: the next steps click the screen behind it.
        QTRY_VERIFY_WITH_TIMEOUT(!m_console.isShown(QStringLiteral("okButton")), uiTimeout);
    }

    void taskForTheCurrentDeviceReachesOnlyIt()
    {
        QVERIFY(m_console.click(QStringLiteral("backButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), uiTimeout);
        QVERIFY(m_console.click(QStringLiteral("objective_ifps")));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.read(QStringLiteral("taskForCurrentButton"), "enabled").toBool(),
            networkTimeout);
        // The list has its first page and its order.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.read(QStringLiteral("devicesListView"), "count").toInt() > 0, networkTimeout);
        settle();
        const QString device = entityId(QStringLiteral("deviceEditor"));
        QVERIFY(!device.isEmpty());
        const qint64 lastTask = newestTaskId();
        QVERIFY(m_console.click(QStringLiteral("taskForCurrentButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("taskEditor")), uiTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("devicesCounter"), "text").toString(),
            QStringLiteral("selected: 1"), networkTimeout);
        QVERIFY(m_console.typeInto(QStringLiteral("messageText"), QStringLiteral("Only you")));
        QVERIFY(m_console.click(QStringLiteral("okButton")));
        QTRY_VERIFY_WITH_TIMEOUT(newestTaskId() > lastTask, networkTimeout);
        const QList<qint64> reached = ticketDevices(newestTaskId());
        QCOMPARE(reached.size(), 1);
        QCOMPARE(QString::number(reached.first()), device);
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

private:
    // Lets a pop-up finish moving in before it is clicked.
    static void settle() { QTest::qWait(500); }

    void chooseTaskType(int row)
    {
        const QString type = QStringLiteral("taskType_%1").arg(row);
        QVERIFY(m_console.click(QStringLiteral("taskTypeCombo")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(type), uiTimeout);
        settle();
        QVERIFY(m_console.click(type));
        settle();
    }

    QVariantList listModel(const QString &list)
    {
        QVariant model = m_console.read(list, "model");
        if (model.userType() == qMetaTypeId<QJSValue>())
            model = model.value<QJSValue>().toVariant();
        return model.toList();
    }

    QVariant scalar(const QString &sql) { return m_database.scalar(sql); }

    // The id of the entity an item shows, empty without one.
    QString entityId(const QString &objectName)
    {
        QObject *entity = m_console.read(objectName, "entity").value<QObject *>();
        return entity ? entity->property("idd").toString() : QString();
    }

    qint64 rowTaskId(int row)
    {
        QObject *task
            = m_console.read(QStringLiteral("taskRow_%1").arg(row), "mData").value<QObject *>();
        return task ? task->property("idd").toLongLong() : 0;
    }

    qint64 newestTaskId()
    {
        return scalar(QStringLiteral("SELECT max(id) FROM tasks")).toLongLong();
    }

    QList<qint64> ticketDevices(qint64 task)
    {
        QList<qint64> devices;
        const QVariantList ids = m_database.column(
            QStringLiteral("SELECT device_id FROM tickets WHERE task_id = %1 ORDER BY device_id")
                .arg(task));
        for (const QVariant &id : ids)
            devices.append(id.toLongLong());
        return devices;
    }

    ServiceCalls m_api;
    ServiceDatabase m_database;
    OperatorWindow m_console;
};

int main()
{
    // More devices than a first page, and a fleet that answers quickly.
    return DemoServiceRun::runWith("e2e-tasks",
        { "--demo-devices", "150", "--simulate", "--simulate-interval", "300" },
        [](ForkedService &service, const QString &serviceUri, QStringList arguments) {
            // The catalogues are served next to the service, as scripts/run passes them.
            const QString base = serviceUri.left(serviceUri.lastIndexOf(QLatin1Char('/')));
            arguments << QStringLiteral("--store-uri") << base + QStringLiteral("/store")
                      << QStringLiteral("--ota-uri") << base + QStringLiteral("/ota");
            TasksRun run(serviceUri,
                QString::fromStdString(service.workDir()) + QStringLiteral("/service.sqlite"));
            return ConsoleRun::run(&run, arguments);
        });
}

#include "tst_e2e_tasks.moc"
