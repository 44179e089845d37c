#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

// One run of the console through its own start-up code (consoleMain), driven by a QtTest
// object that runs once the console's event loop does; the run ends when the driver has run.
class ConsoleRun
{
public:
    // The driver's QtTest result; consoleMain's own code when the console did not come up.
    static int run(QObject *driver, const QStringList &consoleArguments);

    // While QtTest collects the messages of a driver, the console's log file must still get
    // them: drivers call this in initTestCase and releaseConsoleLog in cleanupTestCase.
    static void keepConsoleLog();
    static void releaseConsoleLog();

    // The text of every log file the console runs wrote into Documents; empty when none.
    static QByteArray logFilesText();
};
