#include "ConsoleRun.h"

#include "ConsoleMain.h"
#include "OutputMessageHandler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <string>
#include <vector>

namespace {

QObject *pendingDriver = nullptr;
int driverResult = -1;
QtMessageHandler testLogHandler = nullptr;

void teeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    OutputMessageHandler::fileHandler(type, context, message);
    // The test log keeps only what may explain a failure.
    if (testLogHandler && type != QtDebugMsg && type != QtInfoMsg)
        testLogHandler(type, context, message);
}

void closeWindows()
{
    const QList<QWindow *> windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows)
        window->close();
}

// Runs in the constructor of every application object of the process.
void scheduleDriver()
{
    QObject *driver = pendingDriver;
    if (!driver)
        return;
    pendingDriver = nullptr;
    QTimer::singleShot(0, qApp, [driver] {
        driverResult = QTest::qExec(driver, QStringList { QStringLiteral("tst_e2e") });
        closeWindows();
        QCoreApplication::quit();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleDriver)

int ConsoleRun::run(QObject *driver, const QStringList &consoleArguments)
{
    std::vector<std::string> arguments { "tst_e2e" };
    for (const QString &argument : consoleArguments)
        arguments.push_back(argument.toStdString());
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pendingDriver = driver;
    driverResult = -1;
    const int consoleResult = consoleMain(int(arguments.size()), argv.data());
    pendingDriver = nullptr;
    if (driverResult < 0)
        return consoleResult ? consoleResult : 1;
    return driverResult;
}

void ConsoleRun::keepConsoleLog()
{
    testLogHandler = qInstallMessageHandler(teeMessage);
}

void ConsoleRun::releaseConsoleLog()
{
    qInstallMessageHandler(testLogHandler);
    testLogHandler = nullptr;
}

QByteArray ConsoleRun::logFilesText()
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QByteArray text;
    const QStringList logs = documents.entryList({ QStringLiteral("ostrel_*.txt") }, QDir::Files);
    for (const QString &name : logs) {
        QFile file(documents.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += file.readAll();
    }
    return text;
}
