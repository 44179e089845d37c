// The window at its minimum size: on every screen each tool-bar action is either inside the
// window or offered by the overflow menu, and the title keeps room to be read.
// With KESTRUM_E2E_SCREENSHOTS set to a folder, each screen is saved there as <objective>.png.
#include "ConsoleRun.h"
#include "DemoServiceRun.h"
#include "OperatorWindow.h"

#include <QDir>
#include <QJSValue>
#include <QQuickItem>
#include <QTest>

namespace {

const QString godLogin = QStringLiteral("god@example.com");
const QString godPassword = QStringLiteral("demo-god-2026");
constexpr int networkTimeout = 30000;
constexpr int startTimeout = 60000;

bool isAction(const QQuickItem *item)
{
    return item->inherits("QQuickAbstractButton") || item->inherits("QQuickComboBox");
}

// The visible actions at or below root; a control's own parts are not actions of their own.
void collectActions(QQuickItem *root, QList<QQuickItem *> &actions)
{
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (!child->isVisible())
            continue;
        if (isAction(child))
            actions.append(child);
        else
            collectActions(child, actions);
    }
}

// Inside the window and not cut away by a clipping ancestor.
bool isInSight(QQuickItem *item)
{
    const QRectF rect = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    if (rect.isEmpty() || !QRectF(QPointF(0, 0), item->window()->size()).contains(rect))
        return false;
    for (QQuickItem *up = item->parentItem(); up; up = up->parentItem()) {
        if (up->clip()
            && !up->mapRectToScene(QRectF(0, 0, up->width(), up->height())).contains(rect))
            return false;
    }
    return true;
}

QList<QObject *> objectsOf(const QVariant &value)
{
    QVariant list = value;
    if (list.userType() == qMetaTypeId<QJSValue>())
        list = list.value<QJSValue>().toVariant();
    QList<QObject *> objects;
    const QVariantList entries = list.toList();
    for (const QVariant &entry : entries)
        objects.append(entry.value<QObject *>());
    return objects;
}

} // namespace

class WindowFitRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_console.isShown(QStringLiteral("loginView"))
                && !m_console.read(QStringLiteral("splashScreenLoader"), "active").toBool(),
            startTimeout);
        QQuickWindow *window = m_console.window();
        QCOMPARE(window->minimumSize(), QSize(960, 600));
        window->resize(window->minimumSize());
        QTRY_COMPARE(window->contentItem()->size(), QSizeF(960, 600));
        QVERIFY(m_console.typeInto(QStringLiteral("loginField"), godLogin));
        QVERIFY(m_console.typeInto(QStringLiteral("passwordField"), godPassword));
        QVERIFY(m_console.click(QStringLiteral("signInButton")));
        QVERIFY(m_console.shownWithin(QStringLiteral("welcomeView"), networkTimeout));
    }

    void everyActionIsReachable_data()
    {
        QTest::addColumn<QString>("objective");
        QTest::addColumn<QString>("screen");
        QTest::newRow("locations") << "locations"
                                   << "manageCustomersView";
        QTest::newRow("users") << "users"
                               << "manageUsersView";
        QTest::newRow("activity") << "activity"
                                  << "activityView";
        QTest::newRow("devices") << "ifps"
                                 << "manageDevicesView";
        QTest::newRow("tasks") << "tasks"
                               << "manageTasksView";
        QTest::newRow("tags") << "structure"
                              << "manageTagsView";
    }

    void everyActionIsReachable()
    {
        QFETCH(QString, objective);
        QFETCH(QString, screen);
        QVERIFY(m_console.openScreen(objective, screen, networkTimeout));
        // Lists fill and the tool bar lays itself out again as buttons enable.
        QTest::qWait(1500);
        saveScreenshot(objective);

        int actionCount = 0;
        for (const QString &line :
            { QStringLiteral("toolBar"), QStringLiteral("secondaryToolBar") }) {
            QQuickItem *row = m_console.item(line);
            QVERIFY(row);
            const QList<QObject *> overflowed
                = objectsOf(m_console.read(line + QStringLiteral("Line"), "overflowed"));
            if (!overflowed.isEmpty())
                QVERIFY(isInSight(m_console.item(line + QStringLiteral("Overflow"))));
            QList<QQuickItem *> actions;
            collectActions(row, actions);
            for (QQuickItem *action : qAsConst(actions)) {
                bool offered = false;
                for (QQuickItem *up = action; up && up != row; up = up->parentItem())
                    offered = offered || overflowed.contains(up);
                QVERIFY2(offered || isInSight(action), qPrintable(action->objectName()));
            }
            actionCount += actions.size();
        }
        QVERIFY(actionCount > 0);

        QQuickItem *title = m_console.item(QStringLiteral("titleLabel"));
        QVERIFY(title && isInSight(title));
        QVERIFY(title->width() >= qMin(title->implicitWidth(), 100.0));
    }

    // The banner of another user's context keeps its way back in sight.
    void wayBackFromAnotherContextIsReachable()
    {
        QVERIFY(m_console.openScreen(
            QStringLiteral("users"), QStringLiteral("manageUsersView"), networkTimeout));
        const QString switchButton = QStringLiteral("switchToUserButton_Lena Blue");
        QVERIFY(m_console.shownWithin(switchButton, networkTimeout));
        QVERIFY(m_console.click(switchButton));
        QVERIFY(m_console.shownWithin(QStringLiteral("userSwitchMessageLabel"), networkTimeout));
        QVERIFY(m_console.click(QStringLiteral("okButton")));
        QVERIFY(m_console.shownWithin(QStringLiteral("returnToOwnContextButton"), networkTimeout));
        QTest::qWait(500);
        saveScreenshot(QStringLiteral("context"));
        QVERIFY(isInSight(m_console.item(QStringLiteral("returnToOwnContextButton"))));
    }

private:
    void saveScreenshot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("KESTRUM_E2E_SCREENSHOTS");
        if (!folder.isEmpty())
            m_console.window()->grabWindow().save(
                QDir(folder).filePath(name + QStringLiteral(".png")));
    }

    OperatorWindow m_console;
};

int main()
{
    return DemoServiceRun::run("e2e-windowfit", [](const QString &, const QStringList &arguments) {
        WindowFitRun run;
        return ConsoleRun::run(&run, arguments);
    });
}

#include "tst_e2e_windowfit.moc"
