#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QStringList logFiles;
    QByteArray logText;
};

// Runs the console's start-up in a child with a home of its own.
Run runConsole(const QStringList &arguments, const QMap<QString, QString> &environment = {})
{
    QTemporaryDir home;
    QDir(home.path()).mkpath("Documents");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.remove("ZT_LOG_ENABLED");
    for (auto it = environment.begin(); it != environment.end(); ++it)
        env.insert(it.key(), it.value());

    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(STARTUP_PROBE), arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    const QDir documents(home.path() + "/Documents");
    run.logFiles = documents.entryList({ "ostrel_*.txt" });
    for (const QString &name : run.logFiles) {
        QFile file(documents.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            run.logText += file.readAll();
    }
    return run;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void startsShowsMainViewAndExitsWhenClosed()
    {
        const Run run = runConsole({ "--clog" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("PROBE MAINVIEW Kestrum console v.1.4 \n"), run.err.constData());

        // The host's own lines carry no location; their order is the start-up order.
        const QList<QByteArray> expected = {
            "Debug   : C++ side: starting application(?,0,?)\n",
            "Debug   : Current locale:",
            "Debug   : Application instantiated(?,0,?)\n",
            "Debug   : Application font set to:",
            "Debug   : Native Ui Density is",
            "Debug   : ICON IMPORT PATHS:",
            "Debug   : Loading main window(?,0,?)\n",
            "Debug   : Main window loaded(?,0,?)\n",
            "Debug   : Create main window done(?,0,?)\n",
            "Debug   : MainWindow::onBeginLaunch::errorCode: 0(qrc:/App/Windows/MainWindow.qml,",
            "Debug   : QmlAppLauncher::Component.onCompleted(",
        };
        int position = 0;
        for (const QByteArray &line : expected) {
            const int found = run.out.indexOf(line, position);
            QVERIFY2(found >= 0, line.constData());
            position = found + line.size();
        }
        QVERIFY(run.logFiles.isEmpty());
    }

    void helpShowsBoxAndEndsBeforeQml()
    {
        const Run run = runConsole({ "--help", "--clog" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("PROBE MESSAGEBOX "), run.err.constData());
        const QByteArray box = QByteArray::fromPercentEncoding(
            run.err.mid(run.err.indexOf("PROBE MESSAGEBOX ") + 17).split('\n').first());
        QVERIFY(box.contains("--clog"));
        QVERIFY(box.contains("Enable log output to console"));
        QVERIFY(box.contains("Enable log output to file."));
        QVERIFY(!run.err.contains("PROBE MAINVIEW"));
        QVERIFY(run.out.contains("Application instantiated"));
        QVERIFY(!run.out.contains("Loading main window"));
    }

    // A terminal without a display gets the help printed, not an abort.
    void helpWithoutDisplayIsPrinted()
    {
        const Run run = runConsole({ "--help" },
            { { "DISPLAY", "" }, { "WAYLAND_DISPLAY", "" }, { "QT_QPA_PLATFORM", "" } });
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("--service-uri <uri>"), run.out.constData());
        QVERIFY(run.out.contains("Enable log output to console"));
        QVERIFY(!run.err.contains("PROBE MESSAGEBOX"));
    }

    void fileLoggingSwitch_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("zt");
        QTest::addColumn<bool>("fileLog");
        QTest::newRow("--log") << QStringList { "--log" } << QString() << true;
        QTest::newRow("--LOG") << QStringList { "--LOG" } << QString() << true;
        QTest::newRow("--Log") << QStringList { "--Log" } << QString() << true;
        QTest::newRow("-log") << QStringList { "-log" } << QString() << false;
        QTest::newRow("/log") << QStringList { "/log" } << QString() << false;
        QTest::newRow("env 1") << QStringList {} << "1" << true;
        QTest::newRow("env true") << QStringList {} << "true" << false;
        QTest::newRow("env yes") << QStringList {} << "yes" << false;
        QTest::newRow("env 1 blank") << QStringList {} << "1 " << false;
    }
    void fileLoggingSwitch()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, zt);
        QFETCH(bool, fileLog);
        QMap<QString, QString> environment;
        if (!zt.isNull())
            environment.insert("ZT_LOG_ENABLED", zt);
        const Run run = runConsole(arguments << "--help", environment);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.logFiles.size(), fileLog ? 1 : 0);
        if (fileLog) {
            QVERIFY(
                run.logFiles.first().contains(QRegularExpression("^ostrel_\\d{6}-\\d{6}\\.txt$")));
            QVERIFY(run.logText.startsWith("... C++ side: starting application\r\n"));
            QVERIFY(run.logText.contains("... Application instantiated\r\n"));
        }
    }

    void bothOptionsWriteOnlyTheFile()
    {
        const Run run = runConsole({ "--clog", "--log", "--help" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!run.out.contains("Debug   :"));
        QCOMPARE(run.logFiles.size(), 1);
        QVERIFY(run.logText.contains("... Current locale:"));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
