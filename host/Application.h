#pragma once

#include <QApplication>
#include <QPointer>
#include <QQuickWindow>

class QQmlApplicationEngine;

// The console's application object: runs the start-up from the command line to the event loop.
class Application : public QApplication
{
    Q_OBJECT
    Q_PROPERTY(QQuickWindow *mainWindow READ mainWindow CONSTANT FINAL)
    Q_PROPERTY(QObject *qmlApp READ qmlApp WRITE setQmlApp)
public:
    Application(int &argc, char **argv);

    int run();

    QQuickWindow *mainWindow() const { return m_mainWindow.data(); }
    QObject *qmlApp() const { return m_qmlApp; }
    void setQmlApp(QObject *qmlApp);

private:
    bool processCommandLine(int &exitCode);
    void setupContextProperties();
    bool loadMainWindow();
    int launch();

    QQmlApplicationEngine *m_engine = nullptr;
    QPointer<QQuickWindow> m_mainWindow;
    QObject *m_qmlApp = nullptr;
};
