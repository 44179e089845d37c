// Locations, users and user contexts through real processes: the reference service with a demo
// database and the console driven through its window by object names. Every write the operator
// makes is read back from the service through its own API.
#include "ConsoleRun.h"
#include "ForkedService.h"
#include "OperatorWindow.h"
#include "ServiceCalls.h"
#include "ServiceDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QQuickItem>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

struct Account
{
    QString login;
    QString password;
    QString userName;
};

struct Place
{
    QString name;
    QString domain;
};

const Account admin { QStringLiteral("admin@example.com"), QStringLiteral("demo-admin-2026"),
    QStringLiteral("Adam District") };
const Account newUser { QStringLiteral("erin@example.com"), QStringLiteral("erin-pass-2026"),
    QStringLiteral("Erin Example") };
const Account god { QStringLiteral("god@example.com"), QStringLiteral("demo-god-2026"),
    QStringLiteral("Gloria Admin (God)") };
const QString &godName = god.userName;
const QString districtName = QStringLiteral("Kestrum Demo District");
const Place campus { QStringLiteral("E2E North Campus"), QStringLiteral("north.e2e.example") };
const Place library { QStringLiteral("E2E Library"), QStringLiteral("library.north.e2e.example") };
const QString renamedLibrary = QStringLiteral("E2E Main Library");
const Account localAdmin { QStringLiteral("localadmin@example.com"),
    QStringLiteral("demo-local-2026"), QStringLiteral("Lena Blue") };
const QString blueCampus = QStringLiteral("Blue Campus");
const QString disabledUser = QStringLiteral("Otto Office");
const QString renamedDisabledUser = QStringLiteral("Otto Renamed");
constexpr int localAdministratorRole = 5;
// Generous: the sanitizer build runs the console several times slower.
constexpr int networkTimeout = 30000;
constexpr int startTimeout = 60000;

QString locationRow(const QString &name)
{
    return QStringLiteral("locationRow_") + name;
}

QString userRow(const QString &name)
{
    return QStringLiteral("userRow_") + name;
}

} // namespace

class OrganizationRun : public QObject
{
    Q_OBJECT
public:
    OrganizationRun(const QString &serviceUri, const QString &databasePath)
        : m_api(serviceUri)
        , m_database(databasePath)
    { }

private slots:
    void initTestCase()
    {
        ConsoleRun::keepConsoleLog();
        QVERIFY(m_api.login(admin.login, admin.password));
        QVERIFY(m_database.open());
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("loginView"))
                && !m_console.read(QStringLiteral("splashScreenLoader"), "active").toBool(),
            startTimeout);
        QVERIFY(signIn(admin.login, admin.password, admin.userName));
    }

    void locationTreeGrows()
    {
        QVERIFY(openScreen(QStringLiteral("locations"), QStringLiteral("manageCustomersView")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(locationRow(districtName)), networkTimeout);
        // Only the highest role adds roots.
        QVERIFY(!m_console.isShown(QStringLiteral("addRootLocationButton")));

        QVERIFY(m_console.click(locationRow(districtName)));
        QVERIFY(openEditor(QStringLiteral("addLocationButton")));
        QVERIFY(m_console.typeInto(QStringLiteral("locationNameField"), campus.name));
        // While the location has no domain, the name proposes one as a host name.
        QCOMPARE(m_console.read(QStringLiteral("locationDomainField"), "text").toString(),
            QStringLiteral("e2e-north-campus.org"));
        QVERIFY(m_console.typeInto(QStringLiteral("locationDomainField"), campus.domain));
        QVERIFY(closeEditorWithOk());
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(locationRow(campus.name)), networkTimeout);

        const QJsonObject district = location(districtName);
        const QJsonObject storedCampus = location(campus.name);
        QCOMPARE(storedCampus.value(QStringLiteral("d")).toString(), campus.domain);
        QCOMPARE(storedCampus.value(QStringLiteral("oId")).toInt(),
            district.value(QStringLiteral("id")).toInt());
        QCOMPARE(storedCampus.value(QStringLiteral("a")).toBool(), false);

        QVERIFY(m_console.click(locationRow(campus.name)));
        QVERIFY(openEditor(QStringLiteral("addLocationButton")));
        QVERIFY(m_console.typeInto(QStringLiteral("locationNameField"), library.name));
        QVERIFY(m_console.typeInto(QStringLiteral("locationDomainField"), library.domain));
        QVERIFY(closeEditorWithOk());
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(locationRow(library.name)), networkTimeout);
        const QJsonObject storedLibrary = location(library.name);
        QCOMPARE(storedLibrary.value(QStringLiteral("d")).toString(), library.domain);
        QCOMPARE(storedLibrary.value(QStringLiteral("oId")).toInt(),
            storedCampus.value(QStringLiteral("id")).toInt());

        // The tree: each level 12 pixels further in, the sub-location right under its parent,
        // and the new campus among its siblings by name.
        QQuickItem *districtItem = m_console.item(locationRow(districtName));
        QQuickItem *campusItem = m_console.item(locationRow(campus.name));
        QQuickItem *libraryItem = m_console.item(locationRow(library.name));
        QCOMPARE(campusItem->property("leftPadding").toReal(),
            districtItem->property("leftPadding").toReal() + 12);
        QCOMPARE(libraryItem->property("leftPadding").toReal(),
            campusItem->property("leftPadding").toReal() + 12);
        QCOMPARE(libraryItem->y(), campusItem->y() + campusItem->height());
        QVERIFY(
            campusItem->y() > m_console.item(locationRow(QStringLiteral("District Office")))->y());
        QVERIFY(campusItem->y() < m_console.item(locationRow(QStringLiteral("Green Campus")))->y());
    }

    void locationIsRenamed()
    {
        const QJsonObject before = location(library.name);
        QVERIFY(m_console.click(locationRow(library.name)));
        QVERIFY(openEditor(QStringLiteral("editLocationButton")));
        QCOMPARE(
            m_console.read(QStringLiteral("locationNameField"), "text").toString(), library.name);
        QVERIFY(m_console.typeInto(QStringLiteral("locationNameField"), renamedLibrary));
        // A stored domain is not replaced by a proposal.
        QCOMPARE(m_console.read(QStringLiteral("locationDomainField"), "text").toString(),
            library.domain);
        QVERIFY(closeEditorWithOk());
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(locationRow(renamedLibrary)), networkTimeout);

        const QJsonObject after = location(renamedLibrary);
        QCOMPARE(after.value(QStringLiteral("id")), before.value(QStringLiteral("id")));
        QCOMPARE(after.value(QStringLiteral("d")), before.value(QStringLiteral("d")));
        QCOMPARE(after.value(QStringLiteral("oId")), before.value(QStringLiteral("oId")));
    }

    void archivedLocationShowsOnlyWhenAsked()
    {
        QVERIFY(m_console.click(locationRow(renamedLibrary)));
        QVERIFY(m_console.click(QStringLiteral("archiveLocationButton")));
        QVERIFY(shownWithin(QStringLiteral("okButton")));
        QVERIFY(confirmWithOk());
        QTRY_VERIFY_WITH_TIMEOUT(!m_console.item(locationRow(renamedLibrary)), networkTimeout);
        QCOMPARE(location(renamedLibrary).value(QStringLiteral("a")).toBool(), true);

        QVERIFY(m_console.click(QStringLiteral("showArchivedCheckBox")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(locationRow(renamedLibrary)), networkTimeout);
        QVERIFY(m_console.click(locationRow(renamedLibrary)));
        QTRY_VERIFY(!m_console.read(QStringLiteral("editLocationButton"), "enabled").toBool());
        QVERIFY(!m_console.read(QStringLiteral("archiveLocationButton"), "enabled").toBool());
        QVERIFY(m_console.click(QStringLiteral("showArchivedCheckBox")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_console.item(locationRow(renamedLibrary)), networkTimeout);
    }

    void userIsCreatedInTwoSteps()
    {
        QVERIFY(openScreen(QStringLiteral("users"), QStringLiteral("manageUsersView")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(userRow(admin.userName)), networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("addUserButton")));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("userNameField")), networkTimeout);
        QVERIFY(textWithin(QStringLiteral("userNameField"), "text", QStringLiteral("New user")));
        QVERIFY(m_console.typeInto(QStringLiteral("userNameField"), newUser.userName));
        QTRY_VERIFY(m_console.read(QStringLiteral("applyButton"), "enabled").toBool());
        QVERIFY(m_console.click(QStringLiteral("applyButton")));

        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("loginNameField")), networkTimeout);
        const QJsonObject stored = user(newUser.userName);
        const QJsonObject storedAdmin = user(admin.userName);
        QCOMPARE(stored.value(QStringLiteral("cId")), storedAdmin.value(QStringLiteral("cId")));
        QCOMPARE(stored.value(QStringLiteral("r")).toInt(), localAdministratorRole);
        QCOMPARE(stored.value(QStringLiteral("d")).toBool(), false);
        QCOMPARE(stored.value(QStringLiteral("a")).toBool(), false);

        QVERIFY(m_console.typeInto(QStringLiteral("loginNameField"), newUser.login));
        QVERIFY(m_console.typeInto(QStringLiteral("newPasswordField"), newUser.password));
        QVERIFY(m_console.typeInto(QStringLiteral("confirmPasswordField"), newUser.password));
        QVERIFY(confirmWithOk());
        QVERIFY(goneWithin(QStringLiteral("loginNameField")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(userRow(newUser.userName)), networkTimeout);

        // The dialog closes as the login is sent (a refusal brings it back): the row was there
        // before, so the stored login is what to wait for.
        QJsonArray logins;
        QTRY_COMPARE_WITH_TIMEOUT(
            (logins = m_api.items(QStringLiteral("listLogins"),
                 { { QStringLiteral("userId"), stored.value(QStringLiteral("id")) },
                     { QStringLiteral("method"), QStringLiteral("login-password") } }))
                .size(),
            1, networkTimeout);
        QCOMPARE(logins.at(0)
                     .toObject()
                     .value(QStringLiteral("data"))
                     .toObject()
                     .value(QStringLiteral("login"))
                     .toString(),
            newUser.login);
    }

    void newUserSignsIn()
    {
        QVERIFY(logOff());
        QVERIFY(signIn(newUser.login, newUser.password, newUser.userName));
        QVERIFY(logOff());
        QVERIFY(signIn(admin.login, admin.password, admin.userName));
    }

    void switchFromTheUsersList()
    {
        QVERIFY(openScreen(QStringLiteral("users"), QStringLiteral("manageUsersView")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(userRow(newUser.userName)), networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("switchToUserButton_") + newUser.userName));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("userSwitchMessageLabel")), networkTimeout);
        QCOMPARE(m_console.read(QStringLiteral("userSwitchMessageLabel"), "text").toString(),
            QStringLiteral("Are you sure to switch from %1 to '%2'?")
                .arg(admin.userName, newUser.userName));
        QVERIFY(confirmWithOk());
        QVERIFY(workingAs(newUser.userName));
        QVERIFY(m_console.click(QStringLiteral("returnToOwnContextButton")));
        QVERIFY(backInOwnContext());
    }

    void switchFromTheQuickSwitcher()
    {
        m_console.typeInto(QStringLiteral("quickUserSwitcherComboBox"), newUser.userName);
        m_console.pressKey(Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("userSwitchMessageLabel")), networkTimeout);
        QVERIFY(confirmWithOk());
        QVERIFY(workingAs(newUser.userName));
        QVERIFY(m_console.click(QStringLiteral("restoreOwnContextButton")));
        QVERIFY(backInOwnContext());
    }

    void refusedSwitchKeepsTheContext()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(userRow(godName)), networkTimeout);
        QVERIFY(m_console.click(QStringLiteral("switchToUserButton_") + godName));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_console.isShown(QStringLiteral("userSwitchMessageLabel")), networkTimeout);
        // The refusal may come while the question still fades out: its own OK is the next one.
        QVERIFY(m_console.click(QStringLiteral("okButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("messageLabel"))
                && m_console.read(QStringLiteral("messageLabel"), "text").toString()
                    == QStringLiteral("Error! User handling failed! Access denied!"),
            networkTimeout);
        // Only the report's OK is left once the question has faded out.
        QVERIFY(goneWithin(QStringLiteral("userSwitchMessageLabel")));
        QVERIFY(confirmWithOk());
        QVERIFY(goneWithin(QStringLiteral("messageLabel")));
        QVERIFY(backInOwnContext());
    }

    // A rename keeps a disabled user disabled.
    void userFlagsSurviveEdits()
    {
        QVERIFY(openScreen(QStringLiteral("users"), QStringLiteral("manageUsersView")));
        QVERIFY(m_console.click(QStringLiteral("showDisabledCheckBox")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(userRow(disabledUser)), networkTimeout);
        QVERIFY(m_console.click(userRow(disabledUser)));
        QVERIFY(enabledWithin(QStringLiteral("editUserButton")));
        QVERIFY(m_console.click(QStringLiteral("editUserButton")));
        QVERIFY(shownWithin(QStringLiteral("userNameField")));
        QVERIFY(m_console.read(QStringLiteral("userDisabledCheckBox"), "checked").toBool());
        QVERIFY(m_console.typeInto(QStringLiteral("userNameField"), renamedDisabledUser));
        QVERIFY(confirmWithOk());
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(userRow(renamedDisabledUser)), networkTimeout);
        QCOMPARE(user(renamedDisabledUser).value(QStringLiteral("d")).toBool(), true);

        QVERIFY(m_console.click(QStringLiteral("showDisabledCheckBox")));
    }

    // Archiving a disabled user keeps him disabled, and OK on the archived user without a
    // change keeps him archived. A God does it: a peer administrator may not archive him.
    void archivedUserKeepsHisFlags()
    {
        QVERIFY(logOff());
        QVERIFY(signIn(god.login, god.password, god.userName));
        QVERIFY(openScreen(QStringLiteral("users"), QStringLiteral("manageUsersView")));
        QVERIFY(ticked(QStringLiteral("showDisabledCheckBox"), true));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(userRow(renamedDisabledUser)), networkTimeout);
        const QString id
            = user(renamedDisabledUser).value(QStringLiteral("id")).toVariant().toString();
        QVERIFY(m_console.click(userRow(renamedDisabledUser)));
        QVERIFY(enabledWithin(QStringLiteral("archiveUserButton")));
        QVERIFY(m_console.click(QStringLiteral("archiveUserButton")));
        QVERIFY(confirmWithOk());
        QTRY_VERIFY_WITH_TIMEOUT(
            user(renamedDisabledUser).value(QStringLiteral("a")).toBool(), networkTimeout);
        QCOMPARE(user(renamedDisabledUser).value(QStringLiteral("d")).toBool(), true);

        // Archived users are listed on request; a double click still opens one.
        QVERIFY(ticked(QStringLiteral("showArchivedCheckBox"), true));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(userRow(renamedDisabledUser)), networkTimeout);
        const qint64 updates = userUpdates(id);
        QVERIFY(m_console.doubleClick(userRow(renamedDisabledUser)));
        QVERIFY(shownWithin(QStringLiteral("userNameField")));
        QVERIFY(m_console.read(QStringLiteral("userDisabledCheckBox"), "checked").toBool());
        QVERIFY(confirmWithOk());
        QTRY_COMPARE_WITH_TIMEOUT(userUpdates(id), updates + 1, networkTimeout);
        const QJsonObject stored = user(renamedDisabledUser);
        QCOMPARE(stored.value(QStringLiteral("a")).toBool(), true);
        QCOMPARE(stored.value(QStringLiteral("d")).toBool(), true);

        QVERIFY(ticked(QStringLiteral("showArchivedCheckBox"), false));
        QVERIFY(ticked(QStringLiteral("showDisabledCheckBox"), false));
        QVERIFY(logOff());
        QVERIFY(signIn(admin.login, admin.password, admin.userName));
    }

    // A location whose parent is out of the operator's list keeps that parent when renamed.
    void ownLocationKeepsItsParent()
    {
        const QJsonObject before = location(blueCampus);
        QVERIFY(before.value(QStringLiteral("oId")).toInt() != 0);
        QVERIFY(logOff());
        QVERIFY(signIn(localAdmin.login, localAdmin.password, localAdmin.userName));
        QVERIFY(openScreen(QStringLiteral("locations"), QStringLiteral("manageCustomersView")));
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(locationRow(blueCampus)), networkTimeout);
        QVERIFY(m_console.click(locationRow(blueCampus)));
        QVERIFY(openEditor(QStringLiteral("editLocationButton")));
        const QString renamed = blueCampus + QStringLiteral(" East");
        QVERIFY(m_console.typeInto(QStringLiteral("locationNameField"), renamed));
        QVERIFY(closeEditorWithOk());
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(locationRow(renamed)), networkTimeout);
        const QJsonObject after = location(renamed);
        QCOMPARE(after.value(QStringLiteral("id")), before.value(QStringLiteral("id")));
        QCOMPARE(after.value(QStringLiteral("oId")), before.value(QStringLiteral("oId")));
        QVERIFY(logOff());
        QVERIFY(signIn(admin.login, admin.password, admin.userName));
    }

    // The passwords typed here, for a new user's login among them, never reach the log.
    void logHoldsNoPasswords()
    {
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QByteArray log;
        for (const QFileInfo &file : documents.entryInfoList({ QStringLiteral("ostrel_*.txt") })) {
            QFile text(file.filePath());
            QVERIFY(text.open(QIODevice::ReadOnly));
            log += text.readAll();
        }
        QVERIFY(log.contains("addLogin"));
        QVERIFY(!log.contains(newUser.password.toUtf8()));
        QVERIFY(!log.contains(admin.password.toUtf8()));
    }

    void cleanupTestCase() { ConsoleRun::releaseConsoleLog(); }

private:
    // Helpers wait with qWaitFor, so that they can tell the calling test what went wrong.
    bool shownWithin(const QString &objectName, int timeout = networkTimeout)
    {
        return m_console.shownWithin(objectName, timeout);
    }

    bool goneWithin(const QString &objectName, int timeout = networkTimeout)
    {
        return QTest::qWaitFor([&] { return !m_console.isShown(objectName); }, timeout);
    }

    bool textWithin(const QString &objectName, const char *property, const QString &text)
    {
        return QTest::qWaitFor(
            [&] { return m_console.read(objectName, property).toString() == text; },
            networkTimeout);
    }

    bool enabledWithin(const QString &objectName)
    {
        return QTest::qWaitFor(
            [&] { return m_console.read(objectName, "enabled").toBool(); }, networkTimeout);
    }

    // Ticks or unticks a check box by clicking it when it is not as wanted.
    bool ticked(const QString &objectName, bool wanted)
    {
        if (m_console.read(objectName, "checked").toBool() != wanted
            && !m_console.click(objectName))
            return false;
        return QTest::qWaitFor(
            [&] { return m_console.read(objectName, "checked").toBool() == wanted; },
            networkTimeout);
    }

    // The updates of a user the service has recorded in its audit trail.
    qint64 userUpdates(const QString &userId)
    {
        return m_database
            .scalar(QStringLiteral("SELECT count(*) FROM audit_records WHERE method = "
                                   "'updateUser' AND entity_ids = '%1'")
                        .arg(userId))
            .toLongLong();
    }

    bool signIn(const QString &login, const QString &password, const QString &userName)
    {
        return m_console.typeInto(QStringLiteral("loginField"), login)
            && m_console.typeInto(QStringLiteral("passwordField"), password)
            && m_console.click(QStringLiteral("signInButton"))
            && shownWithin(QStringLiteral("welcomeView"))
            && textWithin(QStringLiteral("userNameLabel"), "text", userName);
    }

    bool toWelcomeView() { return m_console.toWelcomeView(networkTimeout); }

    bool logOff()
    {
        // Log-off leaves no trace of a user context.
        return toWelcomeView() && m_console.click(QStringLiteral("logOffButton"))
            && shownWithin(QStringLiteral("loginView"))
            && !m_console.isShown(QStringLiteral("userContextBanner"));
    }

    bool openScreen(const QString &objective, const QString &screen)
    {
        return m_console.openScreen(objective, screen, networkTimeout);
    }

    bool openEditor(const QString &button)
    {
        return enabledWithin(button) && m_console.click(button)
            && QTest::qWaitFor(
                [&] { return m_console.hasFocus(QStringLiteral("locationNameField")); },
                networkTimeout);
    }

    // OK of the dialog on top, and the dialog gone: while it fades out it still takes the clicks.
    bool confirmWithOk()
    {
        return enabledWithin(QStringLiteral("okButton"))
            && m_console.click(QStringLiteral("okButton"))
            && goneWithin(QStringLiteral("okButton"));
    }

    bool closeEditorWithOk()
    {
        return confirmWithOk() && goneWithin(QStringLiteral("locationNameField"));
    }

    bool workingAs(const QString &userName)
    {
        return textWithin(QStringLiteral("userContextBannerLabel"), "text",
                   QStringLiteral("Working as ") + userName)
            && textWithin(QStringLiteral("quickUserSwitcherComboBox"), "currentText", userName);
    }

    bool backInOwnContext()
    {
        // The own account is no choice of the switcher: its name is shown as the edit text.
        return goneWithin(QStringLiteral("userContextBanner"))
            && textWithin(QStringLiteral("quickUserSwitcherComboBox"), "editText", admin.userName);
    }

    QJsonObject location(const QString &name)
    {
        return m_api.itemNamed(QStringLiteral("listCustomers"), {}, name);
    }

    QJsonObject user(const QString &name)
    {
        return m_api.itemNamed(QStringLiteral("listUsers"), {}, name);
    }

    ServiceCalls m_api;
    ServiceDatabase m_database;
    OperatorWindow m_console;
};

int main()
{
    QTemporaryDir workDir(QDir::tempPath() + QStringLiteral("/e2e-organization-XXXXXX"));
    ForkedService service(KESTRUM_SERVICE_BINARY, workDir.path().toStdString());
    std::string error;
    if (!workDir.isValid() || !service.start(error)) {
        std::fprintf(stderr, "FAIL: no service: %s\n", error.c_str());
        return 1;
    }
    const QString serviceUri = QString::fromStdString(service.serviceUri());
    OrganizationRun run(serviceUri, workDir.filePath(QStringLiteral("service.sqlite")));
    const int failures = ConsoleRun::run(
        &run, { QStringLiteral("--service-uri"), serviceUri, QStringLiteral("--log") });
    service.stop();
    return failures ? 1 : 0;
}

#include "tst_e2e_organization.moc"
