#include "OperatorWindow.h"

#include <QGuiApplication>
#include <QTest>

namespace {

// Generous: the console may start and answer several times slower on a loaded machine.
constexpr int startTimeout = 60000;
constexpr int networkTimeout = 30000;

QQuickItem *findVisible(QQuickItem *root, const QString &objectName)
{
    if (!root || !root->isVisible())
        return nullptr;
    if (root->objectName() == objectName)
        return root;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findVisible(child, objectName))
            return found;
    }
    return nullptr;
}

// Clicks the centre of an enabled item; false when there is none.
bool clickCentre(QQuickWindow *window, QQuickItem *target, bool twice)
{
    if (!target || !target->isEnabled())
        return false;
    const QPoint centre
        = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    if (twice)
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, centre);
    else
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre);
    return true;
}

} // namespace

QQuickWindow *OperatorWindow::window()
{
    if (!m_window) {
        const QList<QWindow *> windows = QGuiApplication::topLevelWindows();
        for (QWindow *candidate : windows) {
            auto *quick = qobject_cast<QQuickWindow *>(candidate);
            if (quick && quick->isVisible())
                m_window = quick;
        }
    }
    return m_window;
}

QQuickItem *OperatorWindow::item(const QString &objectName)
{
    QQuickWindow *shown = window();
    return shown ? findVisible(shown->contentItem(), objectName) : nullptr;
}

QQuickItem *OperatorWindow::itemIn(QQuickItem *root, const QString &objectName)
{
    return findVisible(root, objectName);
}

bool OperatorWindow::isShown(const QString &objectName)
{
    QQuickItem *stack = item(QStringLiteral("pageStack"));
    return item(objectName) && !(stack && stack->property("busy").toBool());
}

bool OperatorWindow::hasFocus(const QString &objectName)
{
    QQuickItem *found = item(objectName);
    return found && found->hasActiveFocus();
}

QVariant OperatorWindow::read(const QString &objectName, const char *property)
{
    QQuickItem *found = item(objectName);
    return found ? found->property(property) : QVariant();
}

bool OperatorWindow::click(const QString &objectName)
{
    return clickCentre(window(), item(objectName), false);
}

bool OperatorWindow::clickIn(const QString &container, const QString &objectName)
{
    return clickCentre(window(), findVisible(item(container), objectName), false);
}

bool OperatorWindow::doubleClick(const QString &objectName)
{
    return clickCentre(window(), item(objectName), true);
}

bool OperatorWindow::typeInto(const QString &objectName, const QString &text)
{
    if (!click(objectName))
        return false;
    QTest::keyClick(window(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window(), Qt::Key_Delete);
    // Qt 5 types into windows one key at a time, and only Latin-1 characters.
    for (const QChar character : text)
        QTest::keyClick(window(), character.toLatin1());
    return read(objectName, "text").toString() == text;
}

void OperatorWindow::pressKey(Qt::Key key)
{
    QTest::keyClick(window(), key);
}

bool OperatorWindow::shownWithin(const QString &objectName, int timeout)
{
    return QTest::qWaitFor([&] { return isShown(objectName); }, timeout);
}

bool OperatorWindow::toWelcomeView(int timeout)
{
    for (int tries = 0; tries < 5 && isShown(QStringLiteral("backButton")); ++tries) {
        if (!click(QStringLiteral("backButton"))
            || !QTest::qWaitFor(
                [&] { return !read(QStringLiteral("pageStack"), "busy").toBool(); }, timeout))
            return false;
    }
    return shownWithin(QStringLiteral("welcomeView"), timeout);
}

bool OperatorWindow::openScreen(const QString &objective, const QString &screen, int timeout)
{
    const QString button = QStringLiteral("objective_") + objective;
    return toWelcomeView(timeout) && shownWithin(button, timeout) && click(button)
        && shownWithin(screen, timeout);
}

void OperatorWindow::close()
{
    if (window())
        m_window->close();
}

bool OperatorWindow::signInAtStart(const QString &login, const QString &password)
{
    return QTest::qWaitFor(
               [this] {
                   return isShown(QStringLiteral("loginView"))
                       && !read(QStringLiteral("splashScreenLoader"), "active").toBool();
               },
               startTimeout)
        && typeInto(QStringLiteral("loginField"), login)
        && typeInto(QStringLiteral("passwordField"), password)
        && click(QStringLiteral("signInButton"))
        && QTest::qWaitFor(
            [this] { return isShown(QStringLiteral("welcomeView")); }, networkTimeout);
}

bool OperatorWindow::openObjective(const QString &objective, const QString &screen)
{
    return click(QStringLiteral("objective_") + objective)
        && QTest::qWaitFor([&] { return isShown(screen); }, networkTimeout);
}
