#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>
#include <QVariant>

// Acts on the console's main window as an operator does: finds the visible items by object
// name and clicks and types into the window itself.
class OperatorWindow
{
public:
    // The console's main window, once it is shown.
    QQuickWindow *window();

    // The visible item of that name, or null.
    QQuickItem *item(const QString &objectName);
    // The visible item of that name at or below root, or null.
    QQuickItem *itemIn(QQuickItem *root, const QString &objectName);
    // Visible, and no page is moving in or out, so the item sits where it is drawn.
    bool isShown(const QString &objectName);
    bool hasFocus(const QString &objectName);
    QVariant read(const QString &objectName, const char *property);

    // False when the item is not there or disabled; clicks once in any case.
    bool click(const QString &objectName);
    // The same for the item of that name inside the visible item named container.
    bool clickIn(const QString &container, const QString &objectName);
    // False when the item is not there or disabled; double-clicks once in any case.
    bool doubleClick(const QString &objectName);
    // Replaces the text of a field by typing, as a keyboard would.
    bool typeInto(const QString &objectName, const QString &text);
    void pressKey(Qt::Key key);
    // Waits until the item is shown; false when it is not within timeout milliseconds.
    bool shownWithin(const QString &objectName, int timeout);
    // Back to the welcome view page by page, then the objective's screen from there.
    bool toWelcomeView(int timeout);
    bool openScreen(const QString &objective, const QString &screen, int timeout);
    void close();

    // A console just started: its login view, then signed in; true once the welcome view shows.
    bool signInAtStart(const QString &login, const QString &password);
    // From the welcome view, the screen of that objective; true once it shows.
    bool openObjective(const QString &objective, const QString &screen);

private:
    QPointer<QQuickWindow> m_window;
};
