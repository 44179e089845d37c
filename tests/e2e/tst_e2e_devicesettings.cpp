// Device settings end to end: a schedule edited on one device survives a restart of the console
// and is stored as the console wrote it; "Settings: For all found" reaches exactly the devices
// that a tag filter finds, after the operator has confirmed, with a time set with the mouse;
// the current device then shows and applies what that write stored.
#include "ConsoleRun.h"
#include "ForkedService.h"
#include "OperatorWindow.h"
#include "ServiceDatabase.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cstdio>

namespace {

const QString demoLogin = QStringLiteral("admin@example.com");
const QString demoPassword = QStringLiteral("demo-admin-2026");
// Wake up Mon-Fri 07:30; shut down every day 19:00, switched off.
const QString editedSchedule = QStringLiteral(
    R"([{"action":"on","plan":{"t":"07:30:00.000","p":["Mon","Tue","Wed","Thu","Fri"],"e":true}},)"
    R"({"action":"off","plan":{"t":"19:00:00.000","p":["Sun","Mon","Tue","Wed","Thu","Fri","Sat"],"e":false}}])");
const QStringList weekDays { QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"),
    QStringLiteral("Wed"), QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat") };
constexpr int networkTimeout = 30000;
constexpr int uiTimeout = 10000;

QString databasePath;

// Device id -> setting name -> stored value, read from the service's own database.
using StoredSettings = QMap<qint64, QMap<QString, QString>>;

StoredSettings storedSettings()
{
    StoredSettings stored;
    ServiceDatabase database(databasePath);
    if (database.open()) {
        QSqlQuery query(database.database());
        query.exec(QStringLiteral("SELECT device_id, name, value FROM settings"));
        while (query.next())
            stored[query.value(0).toLongLong()][query.value(1).toString()]
                = query.value(2).toString();
    }
    return stored;
}

QList<qint64> deviceIds(const QString &condition)
{
    QList<qint64> ids;
    ServiceDatabase database(databasePath);
    if (database.open()) {
        const QVariantList found
            = database.column(QStringLiteral("SELECT id FROM devices d WHERE ") + condition);
        for (const QVariant &id : found)
            ids.append(id.toLongLong());
    }
    return ids;
}

// Names repeat from one schedule row to the next: rows are looked into one at a time.
QQuickItem *itemIn(OperatorWindow &console, const QString &container, const QString &objectName)
{
    return console.itemIn(console.item(container), objectName);
}

bool clickItem(OperatorWindow &console, QQuickItem *target)
{
    if (!target || !target->isEnabled())
        return false;
    const QPointF centre(target->width() / 2, target->height() / 2);
    QTest::mouseClick(
        console.window(), Qt::LeftButton, Qt::NoModifier, target->mapToScene(centre).toPoint());
    return true;
}

bool clickIn(OperatorWindow &console, const QString &container, const QString &objectName)
{
    return clickItem(console, itemIn(console, container, objectName));
}

void typeKeys(OperatorWindow &console, const QString &text)
{
    for (const QChar character : text)
        QTest::keyClick(console.window(), character.toLatin1());
}

QVariant readIn(OperatorWindow &console, const QString &container, const QString &objectName,
    const char *property)
{
    QQuickItem *found = itemIn(console, container, objectName);
    return found ? found->property(property) : QVariant();
}

QObject *objectAt(QObject *object, const char *property)
{
    return object ? object->property(property).value<QObject *>() : nullptr;
}

// The devices screen, its first device current and that device's "Settings" tab listed.
bool openFirstDevice(OperatorWindow &console, const QString &editor, qint64 *deviceId)
{
    if (!QTest::qWaitFor(
            [&] { return console.isShown(QStringLiteral("objective_ifps")); }, uiTimeout)
        || !console.click(QStringLiteral("objective_ifps"))
        || !QTest::qWaitFor(
            [&] {
                // The editor is enabled once the list has made its first device current.
                return console.isShown(QStringLiteral("settingsTabButton"))
                    && console.read(QStringLiteral("deviceEditor"), "enabled").toBool();
            },
            networkTimeout)
        || !console.click(QStringLiteral("settingsTabButton"))
        || !QTest::qWaitFor(
            [&] { return console.read(editor, "deviceId").toLongLong() != 0; }, networkTimeout))
        return false;
    // The list sorts its first page after loading it: the current device settles then.
    QObject *devices = objectAt(console.item(QStringLiteral("manageDevicesView")), "manager");
    QObject *list = objectAt(objectAt(console.item(editor), "manager"), "listSettings");
    const auto settled = [&] {
        return devices && list && !objectAt(devices, "listDevices")->property("isLoading").toBool()
            && !list->property("isLoading").toBool() && !list->property("jsonResult").isNull();
    };
    if (!QTest::qWaitFor(settled, networkTimeout))
        return false;
    QTest::qWait(500);
    *deviceId = console.read(editor, "deviceId").toLongLong();
    return QTest::qWaitFor(settled, networkTimeout);
}

// The entry a time wheel shows in its middle: the one drawn fully opaque.
QString shownEntry(QQuickItem *tumbler)
{
    QList<QQuickItem *> items { tumbler };
    while (!items.isEmpty()) {
        QQuickItem *item = items.takeFirst();
        if (item->property("shownText").isValid() && item->isVisible() && item->opacity() > 0.99)
            return item->property("shownText").toString();
        items += item->childItems();
    }
    return {};
}

// Drawn at its full size and opacity: no pop-up around it is still moving in.
bool atRest(QQuickItem *item)
{
    for (QQuickItem *ancestor = item; ancestor; ancestor = ancestor->parentItem()) {
        if (ancestor->scale() != 1.0 || ancestor->opacity() < 1.0)
            return false;
    }
    return item != nullptr;
}

// Drags a time wheel upwards by pixels with the mouse, as an operator turns it, and waits until
// it has come to rest. True when it has.
bool dragWheel(OperatorWindow &console, QQuickItem *tumbler, int pixels)
{
    if (!tumbler)
        return false;
    const QPoint start
        = tumbler->mapToScene(QPointF(tumbler->width() / 2, tumbler->height() / 2)).toPoint();
    QTest::mousePress(console.window(), Qt::LeftButton, Qt::NoModifier, start);
    constexpr int steps = 10;
    for (int step = 1; step <= steps; ++step)
        QTest::mouseMove(console.window(), start - QPoint(0, pixels * step / steps), 20);
    QTest::mouseRelease(
        console.window(), Qt::LeftButton, Qt::NoModifier, start - QPoint(0, pixels), 20);
    return QTest::qWaitFor([&] { return !tumbler->property("moving").toBool(); }, uiTimeout);
}

// Turns the mouse wheel over a time wheel, one notch at a time (negative: downwards).
void scrollWheel(OperatorWindow &console, QQuickItem *tumbler, int notches)
{
    const QPointF at = tumbler->mapToScene(QPointF(tumbler->width() / 2, tumbler->height() / 2));
    for (int notch = 0; notch < qAbs(notches); ++notch) {
        QWheelEvent wheel(at, at, QPoint(), QPoint(0, notches < 0 ? -120 : 120), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(console.window(), &wheel);
    }
}

// The named button of the dialog that shows item: the nearest ancestor holding one.
QQuickItem *buttonNear(OperatorWindow &console, QQuickItem *item, const QString &objectName)
{
    for (QQuickItem *ancestor = item; ancestor; ancestor = ancestor->parentItem()) {
        if (QQuickItem *button = console.itemIn(ancestor, objectName))
            return button;
    }
    return nullptr;
}

// A row of a list in the container, scrolled into the list's view as an operator would.
QQuickItem *scrolledTo(OperatorWindow &console, const QString &container, const QString &listName,
    const QString &rowName)
{
    QQuickItem *list = itemIn(console, container, listName);
    if (!list)
        return nullptr;
    for (int step = 0; step < 50; ++step) {
        QQuickItem *row = console.itemIn(list, rowName);
        if (row) {
            const QRectF inList
                = row->mapRectToItem(list, QRectF(0, 0, row->width(), row->height()));
            if (inList.top() >= 0 && inList.bottom() <= list->height())
                return row;
        }
        const qreal maximum = list->property("contentHeight").toReal() - list->height();
        const qreal contentY = list->property("contentY").toReal();
        if (contentY >= maximum)
            return nullptr;
        list->setProperty("contentY", qMin(maximum, contentY + 30));
        QTest::qWait(20);
    }
    return nullptr;
}

// Types a time into a schedule row's tumblers: hours, Enter, then the minutes take the keys.
bool typeTime(
    OperatorWindow &console, const QString &row, const QString &hours, const QString &minutes)
{
    if (!clickIn(console, row, QStringLiteral("hoursTumbler")))
        return false;
    typeKeys(console, hours);
    console.pressKey(Qt::Key_Return);
    typeKeys(console, minutes);
    console.pressKey(Qt::Key_Return);
    return readIn(console, row, QStringLiteral("hoursTumbler"), "currentIndex").toInt()
        == hours.toInt()
        && readIn(console, row, QStringLiteral("minutesTumbler"), "currentIndex").toInt()
        == minutes.toInt();
}

} // namespace

// First start: a device's clock and power schedule edited and applied.
class EditRun : public QObject
{
    Q_OBJECT
public:
    qint64 deviceId = 0;

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QVERIFY(console.signInAtStart(demoLogin, demoPassword));
        QVERIFY(openFirstDevice(console, editor, &deviceId));
    }

    void scheduleIsStoredAsEdited()
    {
        if (console.read(QStringLiteral("autoTimeCheckBox"), "checked").toBool())
            QVERIFY(console.click(QStringLiteral("autoTimeCheckBox")));
        QVERIFY(!console.read(QStringLiteral("autoTimeCheckBox"), "checked").toBool());
        // The demo device may have a schedule of its own: it is replaced.
        for (int row = 0; row < 10 && console.item(QStringLiteral("weekPlanner_0")); ++row) {
            QVERIFY(
                clickIn(console, QStringLiteral("weekPlanner_0"), QStringLiteral("removeButton")));
            QTest::qWait(50);
        }
        QVERIFY(!console.item(QStringLiteral("weekPlanner_0")));
        QVERIFY(clickIn(console, editor, QStringLiteral("addButton")));
        QVERIFY(clickIn(console, editor, QStringLiteral("addButton")));
        QTRY_VERIFY_WITH_TIMEOUT(console.item(QStringLiteral("weekPlanner_1")), uiTimeout);

        const QString wake = QStringLiteral("weekPlanner_0");
        QVERIFY(typeTime(console, wake, QStringLiteral("07"), QStringLiteral("30")));
        for (const QString &day : weekDays.mid(1, 5))
            QVERIFY(clickIn(console, wake, QStringLiteral("day") + day));
        QVERIFY(clickIn(console, wake, QStringLiteral("actionButton")));
        QCOMPARE(readIn(console, wake, QStringLiteral("actionButton"), "text").toString(),
            QStringLiteral("Wake up"));

        const QString shutDown = QStringLiteral("weekPlanner_1");
        QVERIFY(scrolledTo(console, editor, QStringLiteral("scheduleList"), shutDown));
        QVERIFY(typeTime(console, shutDown, QStringLiteral("19"), QStringLiteral("00")));
        for (const QString &day : weekDays)
            QVERIFY(clickIn(console, shutDown, QStringLiteral("day") + day));
        QVERIFY(clickIn(console, shutDown, QStringLiteral("enabledSwitch")));
        QVERIFY(!readIn(console, shutDown, QStringLiteral("enabledSwitch"), "checked").toBool());

        QVERIFY(console.click(QStringLiteral("applyDeviceButton")));
        QTRY_COMPARE_WITH_TIMEOUT(
            storedSettings().value(deviceId).value(QStringLiteral("power.schedule")),
            editedSchedule, networkTimeout);
        QCOMPARE(storedSettings().value(deviceId).value(QStringLiteral("dateTime.autoSync")),
            QStringLiteral("false"));
        // No error dialog.
        QVERIFY(!console.isShown(QStringLiteral("messageLabel")));
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

private:
    OperatorWindow console;
    const QString editor = QStringLiteral("deviceSettingsTab");
};

// Second start: the same device shows what was stored; then the settings of every device that a
// tag filter finds, after confirmation.
class ForAllRun : public QObject
{
    Q_OBJECT
public:
    qint64 editedDeviceId = 0;

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QVERIFY(console.signInAtStart(demoLogin, demoPassword));
    }

    void storedScheduleIsShown()
    {
        qint64 deviceId = 0;
        QVERIFY(openFirstDevice(console, editor, &deviceId));
        QCOMPARE(deviceId, editedDeviceId);
        QTRY_VERIFY_WITH_TIMEOUT(console.item(QStringLiteral("weekPlanner_1")), uiTimeout);
        QVERIFY(!console.item(QStringLiteral("weekPlanner_2")));
        QVERIFY(!console.read(QStringLiteral("autoTimeCheckBox"), "checked").toBool());

        const QString wake = QStringLiteral("weekPlanner_0");
        QCOMPARE(readIn(console, wake, QStringLiteral("actionButton"), "text").toString(),
            QStringLiteral("Wake up"));
        QCOMPARE(readIn(console, wake, QStringLiteral("hoursTumbler"), "currentIndex").toInt(), 7);
        QCOMPARE(
            readIn(console, wake, QStringLiteral("minutesTumbler"), "currentIndex").toInt(), 30);
        for (const QString &day : weekDays) {
            const bool workDay = day != QLatin1String("Sun") && day != QLatin1String("Sat");
            QCOMPARE(
                readIn(console, wake, QStringLiteral("day") + day, "checked").toBool(), workDay);
        }
        QVERIFY(readIn(console, wake, QStringLiteral("enabledSwitch"), "checked").toBool());

        const QString shutDown = QStringLiteral("weekPlanner_1");
        QCOMPARE(readIn(console, shutDown, QStringLiteral("actionButton"), "text").toString(),
            QStringLiteral("Shut down"));
        QCOMPARE(
            readIn(console, shutDown, QStringLiteral("hoursTumbler"), "currentIndex").toInt(), 19);
        QCOMPARE(
            readIn(console, shutDown, QStringLiteral("minutesTumbler"), "currentIndex").toInt(), 0);
        for (const QString &day : weekDays)
            QVERIFY(readIn(console, shutDown, QStringLiteral("day") + day, "checked").toBool());
        QVERIFY(!readIn(console, shutDown, QStringLiteral("enabledSwitch"), "checked").toBool());
    }

    void settingsForAllFoundByTag()
    {
        // Tag "Gen 3" (21) ticks its parent "Generation" (20) too; demo devices carry both.
        QQuickItem *tagRow = scrolledTo(console, QStringLiteral("filterTagsView"),
            QStringLiteral("tagsList"), QStringLiteral("tagRow_21"));
        QVERIFY(tagRow);
        QQuickItem *tagBox = console.itemIn(tagRow, QStringLiteral("tagCheckBox"));
        QVERIFY(clickItem(console, tagBox));
        QTRY_VERIFY_WITH_TIMEOUT(tagBox->property("checked").toBool(), uiTimeout);
        QObject *devices = objectAt(console.item(QStringLiteral("manageDevicesView")), "manager");
        QVERIFY(devices);
        const int unfiltered = devices->property("total").toInt();
        QTRY_VERIFY_WITH_TIMEOUT(devices->property("total").toInt() > 0
                && devices->property("total").toInt() != unfiltered
                && !objectAt(devices, "listDevices")->property("isLoading").toBool(),
            networkTimeout);
        const int found = devices->property("total").toInt();
        const StoredSettings before = storedSettings();

        QVERIFY(console.click(QStringLiteral("settingsForAllButton")));
        QTRY_VERIFY_WITH_TIMEOUT(
            console.isShown(QStringLiteral("settingsForAllEditor")), uiTimeout);
        QVERIFY(console.read(QStringLiteral("settingsForAllEditor"), "autoTimeSetting").isValid());
        QVERIFY(
            clickIn(console, QStringLiteral("settingsForAllEditor"), QStringLiteral("addButton")));
        QTRY_VERIFY_WITH_TIMEOUT(itemIn(console, QStringLiteral("settingsForAllEditor"),
                                     QStringLiteral("weekPlanner_0")),
            uiTimeout);
        // The device's own rows lie behind the dialog: the dialog's row is looked up in it.
        QQuickItem *row = itemIn(
            console, QStringLiteral("settingsForAllEditor"), QStringLiteral("weekPlanner_0"));
        // The dialog has come to rest: a drag while it still grows would start elsewhere.
        QTRY_VERIFY_WITH_TIMEOUT(atRest(row), uiTimeout);
        QVERIFY(clickItem(console, console.itemIn(row, QStringLiteral("daySat"))));
        // The time set with the mouse: the hours dragged on their wheel, the minutes scrolled.
        QQuickItem *hours = console.itemIn(row, QStringLiteral("hoursTumbler"));
        QVERIFY(dragWheel(console, hours, 40));
        const int shownHour = shownEntry(hours).toInt();
        QVERIFY2(shownHour > 8, qPrintable(shownEntry(hours)));
        QCOMPARE(hours->property("currentIndex").toInt(), shownHour);
        QQuickItem *minutes = console.itemIn(row, QStringLiteral("minutesTumbler"));
        QVERIFY(minutes);
        scrollWheel(console, minutes, -2);
        QTRY_COMPARE_WITH_TIMEOUT(shownEntry(minutes), QStringLiteral("02"), uiTimeout);
        QCOMPARE(minutes->property("currentIndex").toInt(), 2);
        QCOMPARE(shownEntry(hours).toInt(), shownHour);
        QVERIFY(console.click(QStringLiteral("okButton")));

        // Nothing is written before the operator has confirmed for the number of devices.
        QTRY_VERIFY_WITH_TIMEOUT(console.isShown(QStringLiteral("messageLabel")), networkTimeout);
        QVERIFY2(console.read(QStringLiteral("messageLabel"), "text")
                     .toString()
                     .contains(QString::number(found)),
            qPrintable(console.read(QStringLiteral("messageLabel"), "text").toString()));
        QCOMPARE(storedSettings(), before);
        // The settings dialog has faded out and the confirmation come to rest: until then a
        // click may land on neither.
        QTRY_VERIFY_WITH_TIMEOUT(!console.item(QStringLiteral("settingsForAllEditor"))
                && atRest(console.item(QStringLiteral("messageLabel"))),
            networkTimeout);
        QVERIFY(clickItem(console,
            buttonNear(console, console.item(QStringLiteral("messageLabel")),
                QStringLiteral("okButton"))));
        QTRY_VERIFY_WITH_TIMEOUT(!console.item(QStringLiteral("messageLabel")), uiTimeout);

        const QString schedule = QStringLiteral(
            R"([{"action":"off","plan":{"t":"%1:02:00.000","p":["Sat"],"e":true}}])")
                                     .arg(shownHour, 2, 10, QLatin1Char('0'));
        QList<qint64> changed;
        (void)QTest::qWaitFor(
            [&] {
                changed.clear();
                const StoredSettings after = storedSettings();
                for (auto device = after.cbegin(); device != after.cend(); ++device) {
                    if (device.value().value(QStringLiteral("power.schedule")) == schedule)
                        changed.append(device.key());
                }
                return changed.size() == found;
            },
            networkTimeout);
        const StoredSettings after = storedSettings();
        const QList<qint64> tagged = deviceIds(
            QStringLiteral("d.id IN (SELECT device_id FROM device_tags WHERE tag_id = 21)"));
        // On a mismatch, what a found device holds beside what the dialog showed.
        QVERIFY2(changed.size() == found,
            qPrintable(
                QStringLiteral("%1 of %2 devices hold %3; device %4 holds %5")
                    .arg(changed.size())
                    .arg(found)
                    .arg(schedule)
                    .arg(tagged.value(0))
                    .arg(after.value(tagged.value(0)).value(QStringLiteral("power.schedule")))));
        for (qint64 device : qAsConst(changed)) {
            QVERIFY2(tagged.contains(device), qPrintable(QString::number(device)));
            QCOMPARE(after.value(device).value(QStringLiteral("dateTime.autoSync")),
                QStringLiteral("true"));
        }
        // Every other device keeps what it had, the one edited before included.
        for (auto device = before.cbegin(); device != before.cend(); ++device) {
            if (!changed.contains(device.key()))
                QCOMPARE(after.value(device.key()), device.value());
        }
        bulkSchedule = schedule;
        bulkWritten = changed;
    }

    // The current device shows what the write to all found devices stored, and Apply there
    // sends that, not the schedule it showed before.
    void deviceShowsTheBulkWrite()
    {
        // The confirmation has faded out: until then it takes the clicks meant for the screen.
        QTRY_VERIFY_WITH_TIMEOUT(!console.item(QStringLiteral("messageLabel")), uiTimeout);
        const qint64 deviceId = console.read(editor, "deviceId").toLongLong();
        QVERIFY2(bulkWritten.contains(deviceId), qPrintable(QString::number(deviceId)));
        // The device's own rows, not those of the dialog that may still be fading out.
        const auto showsBulkWrite = [&] {
            QQuickItem *row = itemIn(console, editor, QStringLiteral("weekPlanner_0"));
            QQuickItem *saturday = console.itemIn(row, QStringLiteral("daySat"));
            return saturday && saturday->property("checked").toBool()
                && !itemIn(console, editor, QStringLiteral("weekPlanner_1"));
        };
        QTRY_VERIFY_WITH_TIMEOUT(showsBulkWrite(), networkTimeout);
        QVERIFY(console.click(QStringLiteral("applyDeviceButton")));
        QVERIFY(console.read(editor, "hasUnstoredEdits").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(
            !console.read(editor, "hasUnstoredEdits").toBool(), networkTimeout);
        QCOMPARE(
            storedSettings().value(deviceId).value(QStringLiteral("power.schedule")), bulkSchedule);
        QVERIFY(!console.isShown(QStringLiteral("messageLabel")));
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

private:
    OperatorWindow console;
    const QString editor = QStringLiteral("deviceSettingsTab");
    QString bulkSchedule;
    QList<qint64> bulkWritten;
};

int main()
{
    const QTemporaryDir workDir;
    if (!workDir.isValid()) {
        std::fprintf(stderr, "no work folder for the service\n");
        return 1;
    }
    databasePath = workDir.filePath(QStringLiteral("service.sqlite"));
    ForkedService service(KESTRUM_SERVICE_BINARY, workDir.path().toStdString());
    std::string error;
    if (!service.start(error)) {
        std::fprintf(stderr, "FAIL: the service did not start: %s\n", error.c_str());
        return 1;
    }
    const QStringList consoleArguments { QStringLiteral("--service-uri"),
        QString::fromStdString(service.serviceUri()), QStringLiteral("--log") };

    int failures = 0;
    EditRun edit;
    failures += ConsoleRun::run(&edit, consoleArguments);
    ForAllRun forAll;
    forAll.editedDeviceId = edit.deviceId;
    failures += ConsoleRun::run(&forAll, consoleArguments);
    service.stop();
    return failures ? 1 : 0;
}

#include "tst_e2e_devicesettings.moc"
