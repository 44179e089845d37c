// The flash drive token and the usage charts through real processes: an administrator writes a
// Technician token that then works against the service (a technician is not offered the token
// screen: tst_e2e_activity), and the statistics screens chart a dataset whose figures are worked
// out here.
#include "ConsoleRun.h"
#include "DemoServiceRun.h"
#include "OperatorWindow.h"
#include "ServiceCalls.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int networkTimeout = 30000;
constexpr int startTimeout = 60000;
constexpr int uiTimeout = 10000;
constexpr qint64 hourMs = 3600 * 1000;
constexpr int technicianRole = 2;

// Reaches into the console's engine for what an operator does through the operating system's
// folder dialog, and reads the charts' figures.
const char *const helperSource = R"(
import QtQuick 2.15
import App.Managers 1.0
import App.Navigation 1.0
QtObject {
    function folderDialogShown() { return !!DataManager.dialog && DataManager.dialog.visible }
    function saveInto(folder) {
        var written = DataManager.write(folder)
        DataManager.dialog.close()
        return written
    }
    function push(page, properties) { Navigator.push(page, properties) }
    function lines(chart) {
        var result = []
        for (var i = 0; i < chart.count; ++i) {
            var series = chart.series(i), ys = []
            for (var p = 0; p < series.count; ++p)
                ys.push(series.at(p).y)
            result.push({ "name": series.name, "visible": series.visible, "ys": ys })
        }
        return result
    }
    function slices(chart) {
        var result = []
        for (var i = 0; i < chart.pie.count; ++i)
            result.push(chart.pie.at(i).label)
        return result
    }
    function bars(chart) {
        var result = []
        for (var i = 0; i < chart.bars.count; ++i)
            result.push({ "name": chart.bars.at(i).label, "values": chart.bars.at(i).values })
        return result
    }
}
)";

bool consoleReady(OperatorWindow &console)
{
    return console.isShown(QStringLiteral("loginView"))
        && !console.read(QStringLiteral("splashScreenLoader"), "active").toBool();
}

int statusOf(const QJsonObject &answer)
{
    return answer.value(QLatin1String("status")).toInt(-1);
}

qint64 wireDateMs(const QJsonValue &date)
{
    QString text = date.toObject().value(QLatin1String("DateTime")).toString();
    text.remove(QStringLiteral("/Date(")).remove(QStringLiteral(")/"));
    return text.toLongLong();
}

} // namespace

// Signs in, opens the token creator from the welcome view, and gives the test a helper object
// living in the console's engine.
class TokenDriver : public QObject
{
    Q_OBJECT
public:
    TokenDriver(const QString &serviceUri, const QString &folder, const QString &login,
        const QString &password)
        : m_serviceUri(serviceUri)
        , m_folder(folder)
        , m_login(login)
        , m_password(password)
    { }

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QTRY_VERIFY_WITH_TIMEOUT(consoleReady(m_console), startTimeout);
        QVERIFY(m_console.typeInto(QStringLiteral("loginField"), m_login));
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), m_password));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("welcomeView")), networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("objective_createAdminFlash")));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("usbTokenCreatorView")), uiTimeout);
        QCOMPARE(m_console.read(QStringLiteral("titleLabel"), "text").toString(),
            QStringLiteral("USB token"));
        QQmlEngine *engine = qmlEngine(m_console.item(QStringLiteral("usbTokenCreatorView")));
        QVERIFY(engine);
        QQmlComponent component(engine);
        component.setData(helperSource, QUrl());
        m_helper.reset(component.create());
        QVERIFY2(m_helper, qPrintable(component.errorString()));
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

protected:
    QVariant helper(const char *function, const QVariant &argument = QVariant(),
        const QVariant &second = QVariant())
    {
        QVariant result;
        if (second.isValid())
            QMetaObject::invokeMethod(m_helper.get(), function, Q_RETURN_ARG(QVariant, result),
                Q_ARG(QVariant, argument), Q_ARG(QVariant, second));
        else if (argument.isValid())
            QMetaObject::invokeMethod(m_helper.get(), function, Q_RETURN_ARG(QVariant, result),
                Q_ARG(QVariant, argument));
        else
            QMetaObject::invokeMethod(m_helper.get(), function, Q_RETURN_ARG(QVariant, result));
        return result;
    }

    QString m_serviceUri;
    // Stands for the flash drive.
    QString m_folder;
    QString m_login;
    QString m_password;
    OperatorWindow m_console;
    std::unique_ptr<QObject> m_helper;
};

// An administrator writes a Technician token for the next hour; the charts come after.
class AdministratorRun : public TokenDriver
{
    Q_OBJECT
public:
    AdministratorRun(const QString &serviceUri, const QString &folder)
        : TokenDriver(serviceUri, folder, QStringLiteral("admin@example.com"),
            QStringLiteral("demo-admin-2026"))
    { }

    QString token;

private slots:
    void technicianTokenIsWrittenInOrder()
    {
        QCOMPARE(m_console.read(QStringLiteral("roleBox"), "currentValue").toInt(), technicianRole);
        const QDateTime from = QDateTime::currentDateTimeUtc();
        const QDateTime till = from.addSecs(3600);
        QVERIFY(m_console.item(QStringLiteral("validFromPicker"))->setProperty("value", from));
        QVERIFY(m_console.item(QStringLiteral("validTillPicker"))->setProperty("value", till));
        QVERIFY(m_console.click(QStringLiteral("createTokenButton")));
        QTRY_VERIFY_WITH_TIMEOUT(helper("folderDialogShown").toBool(), networkTimeout);
        QVERIFY(helper("saveInto", QUrl::fromLocalFile(m_folder)).toBool());

        QFile file(QDir(m_folder).filePath(QStringLiteral("init-config.json")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        // A bearer credential: the owner's alone, and the view says where it lies.
        QCOMPARE(file.permissions() & ~(QFile::ReadUser | QFile::WriteUser),
            QFile::ReadOwner | QFile::WriteOwner);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_console.read(QStringLiteral("tokenFileLabel"), "text").toString(),
            QStringLiteral("Token written to %1").arg(QDir::toNativeSeparators(file.fileName())),
            uiTimeout);
        // The window confirms the write too, with the end of the token's validity.
        QObject *toast = m_console.window()->findChild<QObject *>(QStringLiteral("feedbackToast"));
        QVERIFY(toast);
        QTRY_VERIFY_WITH_TIMEOUT(toast->property("text").toString().startsWith(
                                     QStringLiteral("Token written to %1, valid till ")
                                         .arg(QDir::toNativeSeparators(file.fileName()))),
            uiTimeout);
        // Compact text, keys in the order the reader expects.
        QVERIFY(!text.contains('\n'));
        const QList<QByteArray> keys {
            "\"sessionToken\":", "\"validFrom\":", "\"validTo\":", "\"uri\":"
        };
        int last = -1;
        for (const QByteArray &key : keys) {
            const int at = text.indexOf(key);
            QVERIFY2(at > last, key.constData());
            last = at;
        }
        const QJsonObject object = QJsonDocument::fromJson(text).object();
        QCOMPARE(object.keys().size(), keys.size());
        QCOMPARE(object.value(QLatin1String("uri")).toString(), m_serviceUri);
        // The window asked for, to the second the service keeps.
        QVERIFY(
            qAbs(wireDateMs(object.value(QLatin1String("validFrom"))) - from.toMSecsSinceEpoch())
            < 1000);
        QVERIFY(qAbs(wireDateMs(object.value(QLatin1String("validTo"))) - till.toMSecsSinceEpoch())
            < 1000);
        token = object.value(QLatin1String("sessionToken")).toString();
        QVERIFY(!token.isEmpty());
    }

    void tokenActsAsTechnician()
    {
        QVERIFY(!token.isEmpty());
        // The token alone, as whatever reads the flash drive uses it.
        ServiceCalls service(m_serviceUri);
        const QJsonObject withToken { { "sessionToken", token } };
        const QJsonObject info = service.call(QStringLiteral("getSessionInfo"), withToken);
        QCOMPARE(statusOf(info), 0);
        QCOMPARE(info.value(QLatin1String("result")).toObject().value(QLatin1String("r")).toInt(),
            technicianRole);
        // A technician reads devices but changes no tags.
        QCOMPARE(statusOf(service.call(QStringLiteral("listDevices"), withToken)), 0);
        QJsonObject addTag = withToken;
        addTag.insert(QStringLiteral("tag"), QJsonObject { { "n", "From the flash drive" } });
        QCOMPARE(statusOf(service.call(QStringLiteral("addTag"), addTag)), 3);
    }

    void deviceChartsShowTheDataset()
    {
        // Two devices on the red campus in lecture halls, one on the blue campus in none.
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        auto period = [now](int fromHour, int toHour) {
            return QVariantMap { { "b", double(now - fromHour * hourMs) },
                { "e", double(now - toHour * hourMs) } };
        };
        const QVariantList devices {
            QVariantMap { { "isOnline", false }, { "macAddresses", QVariantList {} },
                { "idd", 70001 }, { "title", "IFP one" }, { "tagIds", QVariantList { 330, 401 } },
                { "onlineTimes", QVariantList { period(6, 2) } } },
            QVariantMap { { "isOnline", false }, { "macAddresses", QVariantList {} },
                { "idd", 70020 }, { "title", "IFP two" }, { "tagIds", QVariantList { 330, 401 } },
                { "onlineTimes", QVariantList { period(5, 3) } } },
            QVariantMap { { "isOnline", false }, { "macAddresses", QVariantList {} },
                { "idd", 70029 }, { "title", "IFP three" }, { "tagIds", QVariantList { 310 } },
                { "onlineTimes", QVariantList {} } },
        };
        const QVariantList tags { QVariantMap { { "idd", 401 }, { "name", "Lecture hall" } },
            QVariantMap { { "idd", 310 }, { "name", "Blue Campus" } },
            QVariantMap { { "idd", 330 }, { "name", "Red Campus" } } };
        helper("push", QStringLiteral("/App/DevicesStatistics/Ui/DevicesStatisticsView.qml"),
            QVariantMap { { "devices", devices }, { "tags", tags } });
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("smartReportsView")), uiTimeout);
        QCOMPARE(m_console.read(QStringLiteral("smartDeviceList"), "count").toInt(), 2);

        // Up at -6h and -5h, down at -3h and -2h.
        QVERIFY(m_console.click(QStringLiteral("statisticsTab_0")));
        QVariantList lines;
        QTRY_VERIFY_WITH_TIMEOUT(!(lines = chartFigures("lines", "onlineDevicesChart")).isEmpty()
                && !lines.first().toMap().value("ys").toList().isEmpty(),
            uiTimeout);
        QCOMPARE(lines.first().toMap().value("name").toString(), QStringLiteral("All devices"));
        QCOMPARE(
            lines.first().toMap().value("ys").toList(), (QVariantList { 1, 1, 2, 2, 1, 1, 0 }));

        QVERIFY(m_console.click(QStringLiteral("statisticsTab_1")));
        QVariantList slices;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(slices = chartFigures("slices", "distributionChart")).isEmpty(), uiTimeout);
        QCOMPARE(slices, (QVariantList { QStringLiteral("Lecture hall (2)") }));

        QVERIFY(m_console.click(QStringLiteral("statisticsTab_2")));
        QVariantList bars;
        QTRY_VERIFY_WITH_TIMEOUT(
            (bars = chartFigures("bars", "usageHoursChart")).size() == 5, uiTimeout);
        // Each period is shorter than a day: its start and end tell its weekdays.
        QVariantList lectureHall { 0, 0, 0, 0, 0, 0, 0 };
        for (const QVariant &device : devices.mid(0, 2)) {
            QSet<int> weekdays;
            for (const QVariant &online : device.toMap().value("onlineTimes").toList()) {
                for (const QVariant &edge : online.toMap()) {
                    const QDate day
                        = QDateTime::fromMSecsSinceEpoch(qint64(edge.toDouble()), Qt::UTC).date();
                    weekdays.insert(day.dayOfWeek() % 7);
                }
            }
            for (int weekday : qAsConst(weekdays))
                lectureHall[weekday] = lectureHall[weekday].toInt() + 1;
        }
        QCOMPARE(bars.first().toMap().value("values").toList(), lectureHall);
        QVERIFY(m_console.click(QStringLiteral("backButton")));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("usbTokenCreatorView")), uiTimeout);
    }

    void softwareChartsShowTheirFigures()
    {
        helper("push", QStringLiteral("/App/SoftwareStatistics/Ui/SoftwareStatisticsView.qml"),
            QVariantMap());
        QVariantList slices;
        QTRY_VERIFY_WITH_TIMEOUT(
            (slices = chartFigures("slices", "softwareUsageChart")).size() == 5, uiTimeout);
        QCOMPARE(slices.first().toString(), QStringLiteral("Penwick"));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("softwareUsageStatistics")), uiTimeout);
        QVERIFY(m_console.click(QStringLiteral("statisticsTab_2")));
        QTRY_VERIFY_WITH_TIMEOUT(
            (slices = chartFigures("slices", "penwickChart")).size() == 7, uiTimeout);
        QCOMPARE(slices.last().toString(), QStringLiteral("Other"));
    }

private:
    QVariantList chartFigures(const char *function, const QString &chartName)
    {
        QQuickItem *chart = m_console.item(chartName);
        if (!chart)
            return {};
        return helper(function, QVariant::fromValue<QObject *>(chart)).toList();
    }
};

// The created token never reaches the log.
class LogCheck : public QObject
{
    Q_OBJECT
public:
    QString token;

private slots:
    void logHoldsNoToken()
    {
        QVERIFY(!token.isEmpty());
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const QStringList logs
            = documents.entryList({ QStringLiteral("ostrel_*.txt") }, QDir::Files);
        QVERIFY2(!logs.isEmpty(), qPrintable(documents.path()));
        QByteArray text;
        for (const QString &name : logs) {
            QFile file(documents.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            text += file.readAll();
        }
        QVERIFY(text.contains("createRoleSession"));
        QVERIFY(!text.contains(token.toUtf8()));
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir flashDrive;
    if (!flashDrive.isValid())
        return 1;
    return DemoServiceRun::run(
        "e2e-token", [&](const QString &serviceUri, const QStringList &consoleArguments) {
            int failures = 0;
            AdministratorRun administrator(serviceUri, flashDrive.path());
            failures += ConsoleRun::run(&administrator, consoleArguments);

            QCoreApplication application(argc, argv);
            LogCheck logCheck;
            logCheck.token = administrator.token;
            failures += QTest::qExec(&logCheck, argc, argv);
            return failures;
        });
}

#include "tst_e2e_token.moc"
