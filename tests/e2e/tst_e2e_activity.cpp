// The audit trail end to end: an administrator edits a device in a local administrator's
// context, and the Activity screen shows that edit under both names, as the service stored it,
// and exports his records to CSV; a technician is not offered the screen, nor any action that
// the service would refuse him.
#include "AccessPolicy.h"
#include "ConsoleRun.h"
#include "DemoServiceRun.h"
#include "OperatorWindow.h"
#include "ScreenCsvExport.h"
#include "ServiceCalls.h"

#include <QJSValue>
#include <QJsonArray>
#include <QJsonObject>
#include <QQuickItem>
#include <QTest>
#include <algorithm>

namespace {

const QString adminLogin = QStringLiteral("admin@example.com");
const QString adminPassword = QStringLiteral("demo-admin-2026");
const QString adminName = QStringLiteral("Adam District");
const QString localAdminName = QStringLiteral("Lena Blue");
const QString editedName = QStringLiteral("E2E audited panel");
const QString technicianName = QStringLiteral("Theo Fixer");
constexpr int technicianRole = 2;
// Generous: the sanitizer build runs the console several times slower.
constexpr int networkTimeout = 30000;
constexpr int startTimeout = 60000;

using Right = service::AccessPolicy::Right;

// The screens' actions by object name (ending in "_": one per row), with the right each needs.
// The own logins are always the user's: the password button is left out.
const QVector<QPair<QString, Right>> actions = {
    { QStringLiteral("archiveLocationButton"), Right::ArchiveLocation },
    { QStringLiteral("editLocationButton"), Right::EditLocation },
    { QStringLiteral("addLocationButton"), Right::AddLocation },
    { QStringLiteral("addRootLocationButton"), Right::AddRootLocation },
    { QStringLiteral("archiveUserButton"), Right::ArchiveUser },
    { QStringLiteral("editUserButton"), Right::EditUser },
    { QStringLiteral("addUserButton"), Right::AddUser },
    { QStringLiteral("switchToUserButton_"), Right::SwitchUserContext },
    { QStringLiteral("quickUserSwitcherComboBox"), Right::SwitchUserContext },
    { QStringLiteral("deleteTagButton"), Right::DeleteTag },
    { QStringLiteral("editTagButton"), Right::EditTag },
    { QStringLiteral("addChildTagButton"), Right::CreateTag },
    { QStringLiteral("addRootTagButton"), Right::CreateTag },
    { QStringLiteral("settingsForAllButton"), Right::EditDeviceSettings },
    { QStringLiteral("unbindDeviceButton"), Right::UnbindDevice },
    { QStringLiteral("tagFoundButton"), Right::TagDevices },
    { QStringLiteral("applyDeviceButton"), Right::EditDevice },
    { QStringLiteral("taskForCurrentButton"), Right::AddTask },
    { QStringLiteral("taskForFoundButton"), Right::AddTask },
    { QStringLiteral("addTaskButton"), Right::AddTask },
    { QStringLiteral("cancelTaskButton"), Right::CancelTask },
    { QStringLiteral("retryFailedButton"), Right::RestartTask },
    { QStringLiteral("rolloutPauseButton_"), Right::SteerRollout },
    { QStringLiteral("rolloutResumeButton_"), Right::SteerRollout },
    { QStringLiteral("rolloutAbortButton_"), Right::SteerRollout },
    { QStringLiteral("rolloutNextGroupButton_"), Right::SteerRollout },
    { QStringLiteral("objective_createAdminFlash"), Right::CreateRoleSession },
};

QObject *objectOf(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<QJSValue>())
        return value.value<QJSValue>().toQObject();
    return value.value<QObject *>();
}

} // namespace

class ActivityRun : public QObject
{
    Q_OBJECT
public:
    explicit ActivityRun(const QString &serviceUri)
        : m_serviceUri(serviceUri)
        , m_api(serviceUri)
    { }

private slots:
    void initTestCase()
    {
        QVERIFY(m_api.login(adminLogin, adminPassword));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("loginView"))
                && !m_console.read(QStringLiteral("splashScreenLoader"), "active").toBool(),
            startTimeout);
        QVERIFY(signIn(adminLogin, adminPassword));
    }

    void editInAnotherContextIsRecordedUnderBothNames()
    {
        QVERIFY(openScreen(QStringLiteral("users"), QStringLiteral("manageUsersView")));
        const QString switchButton = QStringLiteral("switchToUserButton_") + localAdminName;
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(switchButton), networkTimeout);
        QVERIFY(m_console.click(switchButton));
        QVERIFY(shownWithin(QStringLiteral("userSwitchMessageLabel")));
        QVERIFY(m_console.click(QStringLiteral("okButton")));
        QVERIFY(shownWithin(QStringLiteral("userContextAuditNote")));
        // The question still takes the clicks while it fades out.
        QVERIFY(QTest::qWaitFor(
            [&] { return !m_console.isShown(QStringLiteral("userSwitchMessageLabel")); },
            networkTimeout));

        QVERIFY(openScreen(QStringLiteral("ifps"), QStringLiteral("manageDevicesView")));
        QObject *device = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(device = currentDevice(), networkTimeout);
        const qint64 deviceId = device->property("idd").toLongLong();
        // The editor is made once the first rows are on screen.
        QVERIFY(shownWithin(QStringLiteral("deviceNameField")));
        QVERIFY(m_console.typeInto(QStringLiteral("deviceNameField"), editedName));
        QVERIFY(m_console.click(QStringLiteral("applyDeviceButton")));
        QTRY_COMPARE_WITH_TIMEOUT(storedDeviceName(deviceId), editedName, networkTimeout);

        QVERIFY(m_console.click(QStringLiteral("returnToOwnContextButton")));
        QVERIFY(
            QTest::qWaitFor([&] { return !m_console.isShown(QStringLiteral("userContextBanner")); },
                networkTimeout));

        // The service stored one record naming both users...
        const QJsonArray records = m_api
                                       .call(QStringLiteral("listAuditRecords"),
                                           { { QStringLiteral("filter"),
                                               QJsonObject { { QStringLiteral("method"),
                                                   QStringLiteral("updateDevice") } } } })
                                       .value(QLatin1String("result"))
                                       .toObject()
                                       .value(QLatin1String("items"))
                                       .toArray();
        QCOMPARE(records.size(), 1);
        const QJsonObject record = records.first().toObject();
        QCOMPARE(record.value(QLatin1String("aN")).toString(), adminName);
        QCOMPARE(record.value(QLatin1String("cuN")).toString(), localAdminName);
        QCOMPARE(record.value(QLatin1String("eIds")).toArray().first().toVariant().toLongLong(),
            deviceId);
        m_adminId = record.value(QLatin1String("aId")).toVariant().toLongLong();
        m_deviceId = deviceId;

        // ...and the Activity screen reads it as a sentence.
        // The objective shows once the service has said that it keeps a trail, and the welcome
        // view lays it out on the next frame.
        QVERIFY(toWelcomeView() && shownWithin(QStringLiteral("objective_activity")));
        QTest::qWait(300);
        QVERIFY(openScreen(QStringLiteral("activity"), QStringLiteral("activityView")));
        const QString expected = QStringLiteral("%1, as %2, changed device '%3' — done")
                                     .arg(adminName, localAdminName, editedName);
        QVERIFY2(QTest::qWaitFor([&] { return sentences().contains(expected); }, networkTimeout),
            qPrintable(sentences().join(QLatin1Char('\n'))));
    }

    void actorsRecordsAreExportedToCsv()
    {
        // Another user's record, which the filter below leaves out.
        QVERIFY(!ServiceCalls(m_serviceUri)
                     .login(QStringLiteral("technician@example.com"), QStringLiteral("wrong")));
        QVERIFY(m_console.click(QStringLiteral("refreshActivityButton")));
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return !sentences()
                                     .filter(QStringLiteral(
                                         "Failed sign-in for technician@example.com from"))
                                     .isEmpty();
                     },
                     networkTimeout),
            qPrintable(sentences().join(QLatin1Char('\n'))));

        // The acting user is typed by name, as an operator would.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.read(QStringLiteral("activityActorFilter"), "count").toInt() > 1,
            networkTimeout);
        m_console.typeInto(QStringLiteral("activityActorFilter"), adminName);
        QCOMPARE(m_console.read(QStringLiteral("activityActorFilter"), "editText").toString(),
            adminName);
        m_console.pressKey(Qt::Key_Return);
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const QStringList texts = sentences();
                         return !texts.isEmpty()
                             && std::all_of(texts.cbegin(), texts.cend(),
                                 [](const QString &text) { return text.startsWith(adminName); });
                     },
                     networkTimeout),
            qPrintable(sentences().join(QLatin1Char('\n'))));

        QQuickItem *view = m_console.item(QStringLiteral("activityView"));
        const QList<QStringList> rows
            = ScreenCsvExport::run(view, QStringLiteral("activity.csv"), networkTimeout);
        QObject *progress = view->findChild<QObject *>(QStringLiteral("exportProgressDialog"));
        QVERIFY(progress && QMetaObject::invokeMethod(progress, "close"));
        QTRY_VERIFY_WITH_TIMEOUT(
            !m_console.isShown(QStringLiteral("exportMessage")), networkTimeout);

        // Every record of his the service keeps, and only those, with the edit under both names.
        const QJsonArray expected
            = m_api
                  .call(QStringLiteral("listAuditRecords"),
                      { { QStringLiteral("filter"),
                            QJsonObject { { QStringLiteral("actorId"), double(m_adminId) } } },
                          { QStringLiteral("paging"),
                              QJsonObject { { QStringLiteral("skip"), 0 },
                                  { QStringLiteral("take"), 1000 } } } })
                  .value(QLatin1String("result"))
                  .toObject()
                  .value(QLatin1String("items"))
                  .toArray();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(rows.size(), expected.size() + 1);
        QCOMPARE(rows.first().at(2), QStringLiteral("acting user"));
        int edits = 0;
        for (int i = 1; i < rows.size(); ++i) {
            QCOMPARE(rows.at(i).at(2), adminName);
            if (rows.at(i).at(5) == QLatin1String("updateDevice")) {
                ++edits;
                QCOMPARE(rows.at(i).at(4), localAdminName);
                QCOMPARE(rows.at(i).at(8).toLongLong(), m_deviceId);
            }
        }
        QCOMPARE(edits, 1);
    }

    void technicianIsNotOfferedTheScreen()
    {
        QVERIFY(toWelcomeView());
        QVERIFY(m_console.click(QStringLiteral("logOffButton")));
        QVERIFY(shownWithin(QStringLiteral("loginView")));
        QVERIFY(signIn(QStringLiteral("technician@example.com"), QStringLiteral("demo-tech-2026")));
        // Long enough for the console's question to the service to have been answered.
        QTest::qWait(1000);
        QVERIFY(!m_console.isShown(QStringLiteral("objective_activity")));
    }

    // Every screen he can open, as it stands once its lists have come.
    void technicianIsOfferedNothingTheServiceRefuses()
    {
        QVERIFY(toWelcomeView());
        QCOMPARE(refusedButOffered(), QStringList());
        // What he may not do says why.
        QVERIFY(m_console.isShown(QStringLiteral("objective_createAdminFlash")));
        QVERIFY(m_console.read(QStringLiteral("objectiveHolder_createAdminFlash"), "reason")
                    .toString()
                    .contains(QStringLiteral("Technician")));

        const QVector<QPair<QString, QString>> screens = {
            { QStringLiteral("locations"), QStringLiteral("refreshLocationsButton") },
            { QStringLiteral("users"), QStringLiteral("userRow_") + technicianName },
            { QStringLiteral("ifps"), QStringLiteral("deviceNameField") },
            { QStringLiteral("tasks"), QStringLiteral("addTaskButton") },
            { QStringLiteral("structure"), QStringLiteral("refreshTagsButton") },
        };
        const QStringList screenNames = { QStringLiteral("manageCustomersView"),
            QStringLiteral("manageUsersView"), QStringLiteral("manageDevicesView"),
            QStringLiteral("manageTasksView"), QStringLiteral("manageTagsView") };
        for (int i = 0; i < screens.size(); ++i) {
            QVERIFY2(openScreen(screens[i].first, screenNames[i]), qPrintable(screens[i].first));
            // Something he may do is there once the screen has its lists.
            QVERIFY2(shownWithin(screens[i].second), qPrintable(screens[i].second));
            QTest::qWait(500);
            QCOMPARE(refusedButOffered(), QStringList());
        }
        // The device editor is shown for reading; its Apply says why it is disabled.
        QVERIFY(openScreen(QStringLiteral("ifps"), QStringLiteral("manageDevicesView")));
        QVERIFY(shownWithin(QStringLiteral("applyDeviceButton")));
        QVERIFY(!m_console.item(QStringLiteral("applyDeviceButton"))->isEnabled());
        QVERIFY(
            !m_console.read(QStringLiteral("applyDeviceHolder"), "reason").toString().isEmpty());
    }

    void cleanupTestCase() { }

private:
    // The visible, enabled actions of the window that the service refuses a technician.
    QStringList refusedButOffered()
    {
        QStringList offered;
        QList<QQuickItem *> pending { m_console.window()->contentItem() };
        while (!pending.isEmpty()) {
            QQuickItem *item = pending.takeLast();
            pending.append(item->childItems());
            if (!item->isVisible() || !item->isEnabled() || item->objectName().isEmpty())
                continue;
            const QString name = item->objectName();
            for (const auto &action : actions) {
                const bool named = action.first.endsWith(QLatin1Char('_'))
                    ? name.startsWith(action.first)
                    : name == action.first;
                if (named && !service::AccessPolicy::roleHas(technicianRole, action.second))
                    offered << name;
            }
        }
        return offered;
    }

    bool shownWithin(const QString &objectName)
    {
        return m_console.shownWithin(objectName, networkTimeout);
    }

    bool signIn(const QString &login, const QString &password)
    {
        return m_console.typeInto(QStringLiteral("loginField"), login)
            && m_console.typeInto(QStringLiteral("passwordField"), password)
            && m_console.click(QStringLiteral("signInButton"))
            && shownWithin(QStringLiteral("welcomeView"));
    }

    bool toWelcomeView() { return m_console.toWelcomeView(networkTimeout); }

    bool openScreen(const QString &objective, const QString &screen)
    {
        return m_console.openScreen(objective, screen, networkTimeout);
    }

    QObject *currentDevice()
    {
        QQuickItem *view = m_console.item(QStringLiteral("manageDevicesView"));
        return view ? objectOf(view->property("currentDevice")) : nullptr;
    }

    QString storedDeviceName(qint64 id)
    {
        const QJsonArray devices = m_api.allDevices(
            QJsonObject { { QStringLiteral("ids"), QJsonArray { double(id) } } });
        return devices.isEmpty() ? QString()
                                 : devices.first().toObject().value(QLatin1String("n")).toString();
    }

    // The rows' texts, found through the item tree: rows a view makes have no object parent.
    QStringList sentences()
    {
        QStringList texts;
        QList<QQuickItem *> pending { m_console.item(QStringLiteral("activityList")) };
        while (!pending.isEmpty()) {
            QQuickItem *item = pending.takeLast();
            if (!item)
                continue;
            if (item->objectName() == QLatin1String("activitySentence"))
                texts.append(item->property("serviceText").toString());
            pending.append(item->childItems());
        }
        return texts;
    }

    QString m_serviceUri;
    ServiceCalls m_api;
    OperatorWindow m_console;
    qint64 m_adminId = 0;
    qint64 m_deviceId = 0;
};

int main()
{
    return DemoServiceRun::run(
        "e2e-activity", [](const QString &serviceUri, const QStringList &arguments) {
            ActivityRun run(serviceUri);
            return ConsoleRun::run(&run, arguments);
        });
}

#include "tst_e2e_activity.moc"
