// The fleet screens end to end: the tag tree and the devices screen of a console started by its
// own start-up code, against the reference service with the demo fleet. Everything the operator
// stores is read back from the service itself.
#include "ConsoleRun.h"
#include "DemoServiceRun.h"
#include "OperatorWindow.h"
#include "ScreenCsvExport.h"
#include "ServiceCalls.h"

#include <QCoreApplication>
#include <QJSValue>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

namespace {

const QString demoLogin = QStringLiteral("admin@example.com");
const QString demoPassword = QStringLiteral("demo-admin-2026");
constexpr int networkTimeout = 30000;
constexpr int startTimeout = 60000;
constexpr int uiTimeout = 10000;

QVariant plain(QVariant value)
{
    if (value.userType() == qMetaTypeId<QJSValue>())
        return value.value<QJSValue>().toVariant();
    return value;
}

QList<QObject *> objectList(const QVariant &value)
{
    QList<QObject *> objects;
    const QVariantList list = plain(value).toList();
    for (const QVariant &element : list)
        objects.append(element.value<QObject *>());
    return objects;
}

} // namespace

class DevicesRun : public QObject
{
    Q_OBJECT
public:
    explicit DevicesRun(const QString &serviceUri)
        : m_service(serviceUri)
    { }

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("loginView"))
                && !m_console.read(QStringLiteral("splashScreenLoader"), "active").toBool(),
            startTimeout);
        QVERIFY(m_service.login(demoLogin, demoPassword));
        QVERIFY(m_console.typeInto(QStringLiteral("loginField"), demoLogin));
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), demoPassword));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), networkTimeout);
    }

    void tagTreeEdits()
    {
        QVERIFY(m_console.click(QStringLiteral("objective_structure")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("manageTagsView")), uiTimeout);

        const qint64 rootId
            = addTag(QStringLiteral("addRootTagButton"), QStringLiteral("E2E Root"));
        QVERIFY2(rootId != 0, qPrintable(m_failedStep));

        QVERIFY(clickTagRow(QStringLiteral("manageTagsView"), rootId));
        QVERIFY(m_console.click(QStringLiteral("addChildTagButton")));
        QVERIFY2(saveTagNamed(QStringLiteral("E2E Child")), qPrintable(m_failedStep));
        QJsonObject child;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(child = storedTag(QStringLiteral("E2E Child"))).isEmpty(), networkTimeout);
        QCOMPARE(child.value(QLatin1String("pId")).toInt(), rootId);
        const int childId = child.value(QLatin1String("id")).toInt();

        QTRY_VERIFY_WITH_TIMEOUT(
            clickTagRow(QStringLiteral("manageTagsView"), childId), networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("editTagButton")));
        QVERIFY2(saveTagNamed(QStringLiteral("E2E Floor")), qPrintable(m_failedStep));
        QTRY_VERIFY_WITH_TIMEOUT(
            storedTag(QStringLiteral("E2E Floor")).value(QLatin1String("id")).toInt() == childId,
            networkTimeout);

        QTRY_VERIFY_WITH_TIMEOUT(
            clickTagRow(QStringLiteral("manageTagsView"), childId), networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("deleteTagButton")));
        QVERIFY2(pressOk(), qPrintable(m_failedStep));
        QTRY_VERIFY_WITH_TIMEOUT(storedTag(QStringLiteral("E2E Floor")).isEmpty(), networkTimeout);
        QVERIFY(!storedTag(QStringLiteral("E2E Root")).isEmpty());

        QVERIFY(m_console.click(QStringLiteral("backButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), uiTimeout);
    }

    // A parent tag goes with the tags below it, and devices lose them: the question says so.
    void deletingATagTreeAsksFirst()
    {
        QVERIFY(m_console.click(QStringLiteral("objective_structure")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("manageTagsView")), uiTimeout);
        const int rootId = storedTag(QStringLiteral("E2E Root")).value(QLatin1String("id")).toInt();
        QVERIFY(rootId != 0);
        // Beside the console: a child tag on three devices.
        const QJsonObject child = m_service.call(QStringLiteral("addTag"),
            { { QStringLiteral("tag"),
                QJsonObject { { QStringLiteral("n"), QStringLiteral("E2E Wing") },
                    { QStringLiteral("pId"), rootId } } } });
        const int childId
            = child.value(QLatin1String("result")).toObject().value(QLatin1String("id")).toInt();
        QVERIFY(childId != 0);
        QJsonArray deviceIds;
        const QJsonArray page
            = m_service.firstPage(QJsonObject()).value(QLatin1String("items")).toArray();
        for (int i = 0; i < 3 && i < page.size(); ++i)
            deviceIds.append(page.at(i).toObject().value(QLatin1String("id")));
        QCOMPARE(m_service
                     .call(QStringLiteral("tagDevices"),
                         { { QStringLiteral("tagId"), childId },
                             { QStringLiteral("filter"),
                                 QJsonObject { { QStringLiteral("ids"), deviceIds } } } })
                     .value(QLatin1String("status"))
                     .toInt(),
            0);
        const QJsonObject anyOfTree { { QStringLiteral("anyOfTagsIds"),
            QJsonArray { rootId, childId } } };
        QCOMPARE(m_service.allDevices(anyOfTree).size(), 3);
        QVERIFY(m_console.click(QStringLiteral("refreshTagsButton")));

        QTRY_VERIFY_WITH_TIMEOUT(
            showTagRow(QStringLiteral("manageTagsView"), childId), networkTimeout);
        QVERIFY(clickTagRow(QStringLiteral("manageTagsView"), rootId));
        QVERIFY(m_console.click(QStringLiteral("deleteTagButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("messageLabel")), networkTimeout);
        const QString question = m_console.read(QStringLiteral("messageLabel"), "text").toString();
        QVERIFY2(question.contains(QStringLiteral("1 tag(s)"))
                && question.contains(QStringLiteral("3 device(s)")),
            qPrintable(question));
        QVERIFY2(pressOk(), qPrintable(m_failedStep));
        QTRY_VERIFY_WITH_TIMEOUT(storedTag(QStringLiteral("E2E Root")).isEmpty(), networkTimeout);
        QVERIFY(storedTag(QStringLiteral("E2E Wing")).isEmpty());
        QVERIFY(m_service.allDevices(anyOfTree).isEmpty());

        QVERIFY(m_console.click(QStringLiteral("backButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), uiTimeout);
    }

    void filtersMatchTheService()
    {
        QVERIFY(m_console.click(QStringLiteral("objective_ifps")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("manageDevicesView")), uiTimeout);
        QVERIFY(listMatchesTheService());
        const QJsonObject unfiltered = m_service.firstPage(consoleFilter());
        QCOMPARE(m_console.read(QStringLiteral("devicesCountLabel"), "text").toString(),
            QStringLiteral("100 of %1 devices")
                .arg(QLocale().toString(unfiltered.value(QLatin1String("total")).toInt())));

        // A floor under a campus: ticking it ticks the campus too.
        const QJsonObject floor = tagWithParent();
        QVERIFY(!floor.isEmpty());
        QVERIFY(clickTagCheckBox(
            QStringLiteral("deviceFilterEditor"), floor.value(QLatin1String("id")).toInt()));
        QVERIFY(listMatchesTheService());
        const QJsonArray tagIds
            = consoleFilter().toObject().value(QLatin1String("tagsIds")).toArray();
        QVERIFY(tagIds.contains(floor.value(QLatin1String("id"))));
        QVERIFY(tagIds.contains(floor.value(QLatin1String("pId"))));
        QVERIFY(m_console.click(QStringLiteral("clearFiltersButton")));

        QVERIFY(m_console.click(QStringLiteral("stateChoice_on")));
        QVERIFY(listMatchesTheService());
        QCOMPARE(consoleFilter().toObject().value(QLatin1String("isOnline")), QJsonValue(true));
        QVERIFY(m_console.click(QStringLiteral("stateChoice_off")));
        QVERIFY(listMatchesTheService());
        QCOMPARE(consoleFilter().toObject().value(QLatin1String("isOnline")), QJsonValue(false));
        QVERIFY(m_console.click(QStringLiteral("stateChoice_all")));

        QObject *firmwares = m_console.item(QStringLiteral("firmwareSelector"));
        QVERIFY(firmwares);
        QTRY_VERIFY_WITH_TIMEOUT(
            plain(firmwares->property("model")).toList().size() > 0, networkTimeout);
        QVERIFY(QMetaObject::invokeMethod(firmwares, "select", Q_ARG(QVariant, 0)));
        QVERIFY(listMatchesTheService());
        QCOMPARE(
            consoleFilter().toObject().value(QLatin1String("firmwaresIds")).toArray().size(), 1);
        QVERIFY(m_console.click(QStringLiteral("clearFiltersButton")));
        QVERIFY(listMatchesTheService());
    }

    void everyPageShowsEveryDeviceOnce()
    {
        // The devices screen stays open from the step before; without it nothing here can run.
        QVERIFY(manager());
        const QSet<qint64> fleet = ServiceCalls::ids(m_service.allDevices(consoleFilter()));
        QVERIFY(fleet.size() > 100);
        QObject *list = m_console.item(QStringLiteral("devicesList"));
        QVERIFY(list);
        int pages = 1;
        while (loadedIds().size() < fleet.size()) {
            const int before = loadedIds().size();
            QVERIFY(QMetaObject::invokeMethod(list, "positionViewAtEnd"));
            QTRY_VERIFY_WITH_TIMEOUT(loadedIds().size() > before, networkTimeout);
            QVERIFY(++pages <= fleet.size() / 100 + 1);
        }
        const QList<qint64> ids = loadedIds();
        QCOMPARE(QSet<qint64>(ids.begin(), ids.end()), fleet);
        QCOMPARE(ids.size(), fleet.size());
        QVERIFY(!manager()->property("hasMore").toBool());
    }

    void deviceEditsAreStored()
    {
        QVERIFY(manager());
        // A device past the first page, where the operator has scrolled to.
        QObject *list = m_console.item(QStringLiteral("devicesList"));
        QVERIFY(list);
        const int last = list->property("count").toInt() - 1;
        QVERIFY(last >= 100);
        QVERIFY(list->setProperty("currentIndex", last));
        QObject *device = currentDevice();
        QVERIFY(device);
        const qint64 id = device->property("idd").toLongLong();
        const QString storedName = storedDevice(id).value(QLatin1String("n")).toString();
        const QString name = QStringLiteral("E2E, \"Device\"");
        QVERIFY(m_console.typeInto(QStringLiteral("deviceNameField"), name));
        // Typed is not stored: the list keeps the service's name until Apply.
        QCOMPARE(loadedTitle(id), storedName);
        QVERIFY(m_console.click(QStringLiteral("tagsTabButton")));
        const QJsonObject floor
            = tagWithParent(storedDevice(id).value(QLatin1String("tgId")).toArray());
        QVERIFY(!floor.isEmpty());
        const int tagId = floor.value(QLatin1String("id")).toInt();
        QVERIFY(clickTagCheckBox(QStringLiteral("deviceTagsView"), tagId));
        QVERIFY(m_console.click(QStringLiteral("applyDeviceButton")));

        QJsonObject stored;
        QTRY_VERIFY_WITH_TIMEOUT(
            (stored = storedDevice(id)).value(QLatin1String("n")).toString() == name,
            networkTimeout);
        QVERIFY(stored.value(QLatin1String("tgId")).toArray().contains(tagId));
        QVERIFY(stored.value(QLatin1String("tgId"))
                    .toArray()
                    .contains(floor.value(QLatin1String("pId"))));
        // The list read again shows the stored name, and the device is still the current one.
        QTRY_VERIFY_WITH_TIMEOUT(loadedTitle(id) == name, networkTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(currentDevice()->property("idd").toLongLong(), id, uiTimeout);

        QVERIFY(m_console.click(QStringLiteral("refreshDevicesButton")));
        QTRY_VERIFY_WITH_TIMEOUT(loadedTitle(id) == name, networkTimeout);
    }

    void taggingFoundDevices()
    {
        QVERIFY(manager());
        QVERIFY(m_console.click(QStringLiteral("stateChoice_off")));
        QVERIFY(listMatchesTheService());
        const QJsonValue offline = consoleFilter();
        const qint64 tagId = addTag(QStringLiteral("tagFoundButton"), QStringLiteral("E2E Found"));
        QVERIFY2(tagId != 0, qPrintable(m_failedStep));
        const QJsonObject tagged { { QStringLiteral("tagsIds"), QJsonArray { tagId } } };
        const QSet<qint64> found = ServiceCalls::ids(m_service.allDevices(offline));
        QVERIFY(!found.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(
            ServiceCalls::ids(m_service.allDevices(tagged)), found, networkTimeout);
    }

    void csvExportMatchesTheService()
    {
        QVERIFY(manager());
        const QList<QStringList> records
            = ScreenCsvExport::run(m_console.item(QStringLiteral("manageDevicesView")),
                QStringLiteral("devices.csv"), networkTimeout);
        QVERIFY(!records.isEmpty());
        m_console.click(QStringLiteral("okButton"));

        const QJsonArray expected = m_service.allDevices(consoleFilter());
        QCOMPARE(records.size(), expected.size() + 1);
        QCOMPARE(records.first().first(), QStringLiteral("id"));
        QHash<qint64, QStringList> byId;
        for (int i = 1; i < records.size(); ++i) {
            QCOMPARE(records.at(i).size(), 10);
            byId.insert(records.at(i).first().toLongLong(), records.at(i));
        }
        for (const QJsonValue &value : expected) {
            const QJsonObject device = value.toObject();
            const QStringList row
                = byId.value(qint64(device.value(QLatin1String("id")).toDouble()));
            QVERIFY(!row.isEmpty());
            QCOMPARE(row.at(1), device.value(QLatin1String("n")).toString());
            QCOMPARE(row.at(2), device.value(QLatin1String("m")).toString());
            QCOMPARE(row.at(3), device.value(QLatin1String("fw")).toString());
            QCOMPARE(row.at(7),
                QString::fromLatin1(
                    device.value(QLatin1String("io")).toBool() ? "online" : "offline"));
        }
    }

    void unsavedNameIsStoredWhenLeaving()
    {
        QVERIFY(manager());
        QObject *device = currentDevice();
        QVERIFY(device);
        const qint64 id = device->property("idd").toLongLong();
        const QString name = QStringLiteral("E2E Leaving");
        // The export's dialog from the step before is modal: closed as its OK button would.
        QObject *progress = m_console.item(QStringLiteral("manageDevicesView"))
                                ->findChild<QObject *>(QStringLiteral("exportProgressDialog"));
        QVERIFY(progress);
        QVERIFY(QMetaObject::invokeMethod(progress, "close"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_console.isShown(QStringLiteral("exportMessage")), uiTimeout);
        QTest::qWait(300);
        QVERIFY(m_console.typeInto(QStringLiteral("deviceNameField"), name));
        QVERIFY(m_console.click(QStringLiteral("backButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("saveButton")), uiTimeout);
        QVERIFY(m_console.isShown(QStringLiteral("manageDevicesView")));
        QVERIFY(m_console.click(QStringLiteral("saveButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), networkTimeout);
        QCOMPARE(storedDevice(id).value(QLatin1String("n")).toString(), name);
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

private:
    // Types the name into the open tag editor and presses OK.
    // The helpers below name the step that failed in m_failedStep.
    bool saveTagNamed(const QString &name)
    {
        if (!QTest::qWaitFor(
                [this] { return m_console.isShown(QStringLiteral("tagNameField")); }, uiTimeout))
            return failed(QStringLiteral("the tag editor did not open"));
        if (!m_console.typeInto(QStringLiteral("tagNameField"), name))
            return failed(
                QStringLiteral("the tag name field reads '%1' after typing")
                    .arg(m_console.read(QStringLiteral("tagNameField"), "text").toString()));
        return pressOk();
    }

    bool failed(const QString &step)
    {
        m_failedStep = step;
        return false;
    }

    // Presses OK in the dialog that opens and waits until the dialog has gone: while it closes it
    // still takes the clicks meant for the screen below.
    bool pressOk()
    {
        const QString ok = QStringLiteral("okButton");
        if (!QTest::qWaitFor([&] { return m_console.isShown(ok); }, uiTimeout))
            return failed(QStringLiteral("no OK button"));
        if (!m_console.click(ok))
            return failed(QStringLiteral("OK could not be clicked"));
        if (!QTest::qWaitFor([&] { return !m_console.isShown(ok); }, uiTimeout))
            return failed(QStringLiteral("the dialog stayed open after OK"));
        return true;
    }

    // The id of the tag the button's editor stored under that name; 0 when none was stored.
    qint64 addTag(const QString &button, const QString &name)
    {
        if (!m_console.click(button)) {
            failed(button + QStringLiteral(" could not be clicked"));
            return 0;
        }
        if (!saveTagNamed(name))
            return 0;
        qint64 id = 0;
        const bool stored = QTest::qWaitFor(
            [&] {
                id = storedTag(name).value(QLatin1String("id")).toInt();
                return id != 0;
            },
            networkTimeout);
        if (!stored)
            failed(QStringLiteral("the service has no tag named '%1'").arg(name));
        return stored ? id : 0;
    }

    QJsonObject storedTag(const QString &name)
    {
        const QJsonArray tags = m_service.tags();
        for (const QJsonValue &tag : tags) {
            if (tag.toObject().value(QLatin1String("n")).toString() == name)
                return tag.toObject();
        }
        return {};
    }

    // A demo tag whose parent is a tag of its own (a floor of a campus, for example), other than
    // the tags given.
    QJsonObject tagWithParent(const QJsonArray &except = {})
    {
        const QJsonArray tags = m_service.tags();
        for (const QJsonValue &tag : tags) {
            const QJsonObject object = tag.toObject();
            if (object.value(QLatin1String("pId")).toInt() != 0
                && !except.contains(object.value(QLatin1String("id")))
                && !object.value(QLatin1String("n")).toString().startsWith(QLatin1String("E2E")))
                return object;
        }
        return {};
    }

    QJsonObject storedDevice(qint64 id)
    {
        const QJsonArray found
            = m_service.allDevices(QJsonObject { { QStringLiteral("ids"), QJsonArray { id } } });
        return found.isEmpty() ? QJsonObject() : found.first().toObject();
    }

    QQuickItem *tagRow(const QString &within, int tagId)
    {
        return m_console.itemIn(m_console.item(within), QStringLiteral("tagRow_%1").arg(tagId));
    }

    bool clickAt(QQuickItem *target)
    {
        if (!target || !target->isEnabled())
            return false;
        const QPointF centre(target->width() / 2, target->height() / 2);
        QTest::mouseClick(m_console.window(), Qt::LeftButton, Qt::NoModifier,
            target->mapToScene(centre).toPoint());
        return true;
    }

    // Scrolls the tag tree inside `within` to the tag's row; false while the tag is not listed.
    bool showTagRow(const QString &within, int tagId)
    {
        QQuickItem *list = m_console.itemIn(m_console.item(within), QStringLiteral("tagsList"));
        if (!list)
            return false;
        const QVariantList rows = plain(list->property("model")).toList();
        for (int i = 0; i < rows.size(); ++i) {
            if (rows.at(i).toMap().value(QStringLiteral("idd")).toInt() == tagId) {
                QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, i),
                    Q_ARG(int, 4 /* ListView.Contain */));
                return tagRow(within, tagId) != nullptr;
            }
        }
        return false;
    }

    bool clickTagRow(const QString &within, int tagId)
    {
        return QTest::qWaitFor([&] { return showTagRow(within, tagId); }, networkTimeout)
            && clickAt(tagRow(within, tagId));
    }

    bool clickTagCheckBox(const QString &within, int tagId)
    {
        return QTest::qWaitFor([&] { return showTagRow(within, tagId); }, networkTimeout)
            && clickAt(m_console.itemIn(tagRow(within, tagId), QStringLiteral("tagCheckBox")));
    }

    QObject *manager()
    {
        QQuickItem *view = m_console.item(QStringLiteral("manageDevicesView"));
        return view ? view->property("manager").value<QObject *>() : nullptr;
    }

    QObject *currentDevice()
    {
        QQuickItem *view = m_console.item(QStringLiteral("manageDevicesView"));
        return view ? plain(view->property("currentDevice")).value<QObject *>() : nullptr;
    }

    QJsonValue consoleFilter()
    {
        return QJsonValue::fromVariant(plain(manager()->property("filterJson")));
    }

    QList<qint64> loadedIds()
    {
        QList<qint64> ids;
        const QList<QObject *> devices = objectList(manager()->property("devices"));
        for (QObject *device : devices)
            ids.append(device->property("idd").toLongLong());
        return ids;
    }

    QString loadedTitle(qint64 id)
    {
        const QList<QObject *> devices = objectList(manager()->property("devices"));
        for (QObject *device : devices) {
            if (device->property("idd").toLongLong() == id)
                return device->property("title").toString();
        }
        return {};
    }

    // Once the list has settled, its first page is the service's first page for the same filter.
    bool listMatchesTheService()
    {
        QObject *list = manager()->property("listDevices").value<QObject *>();
        QTest::qWait(400);
        if (!QTest::qWaitFor(
                [list] { return !list->property("isLoading").toBool(); }, networkTimeout))
            return false;
        const QJsonObject page = m_service.firstPage(consoleFilter());
        const QList<qint64> ids = loadedIds();
        const QSet<qint64> loaded(ids.begin(), ids.end());
        const bool same = loaded == ServiceCalls::ids(page.value(QLatin1String("items")).toArray())
            && manager()->property("total").toInt() == page.value(QLatin1String("total")).toInt();
        if (!same)
            qWarning() << "DevicesRun: the list differs from the service for" << consoleFilter();
        return same;
    }

    OperatorWindow m_console;
    ServiceCalls m_service;
    QString m_failedStep;
};

int main(int, char **)
{
    return DemoServiceRun::run(
        "e2e-devices", [](const QString &serviceUri, const QStringList &arguments) {
            DevicesRun run(serviceUri);
            return ConsoleRun::run(&run, arguments);
        });
}

#include "tst_e2e_devices.moc"
