#include "OutputMessageHandler.h"

#include <QDir>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

namespace {

QMessageLogContext context(const char *file, int line, const char *function, const char *category)
{
    return QMessageLogContext(file, line, function, category);
}

} // namespace

class OutputMessageHandlerTest : public QObject
{
    Q_OBJECT
private slots:
    void consoleLine_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("debug") << int(QtDebugMsg) << QByteArray("Debug   : hello(?,0,?)\n");
        QTest::newRow("warning") << int(QtWarningMsg) << QByteArray("Warning : hello(?,0,?)\n");
        QTest::newRow("critical") << int(QtCriticalMsg) << QByteArray("Critical: hello(?,0,?)\n");
        QTest::newRow("fatal") << int(QtFatalMsg) << QByteArray("Error   : hello(?,0,?)\n");
        QTest::newRow("info") << int(QtInfoMsg) << QByteArray("Info    : hello(?,0,?)\n");
        QTest::newRow("unknown") << 42 << QByteArray("Unknown : hello(?,0,?)\n");
    }
    void consoleLine()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, expected);
        const QMessageLogContext none;
        QCOMPARE(OutputMessageHandler::consoleLine(QtMsgType(type), none, "hello"), expected);
    }

    void consoleLineWithLocationAndUtf8()
    {
        const auto ctx = context("qrc:/App/Main.qml", 28, "expression for onClicked", "qml");
        QCOMPARE(OutputMessageHandler::consoleLine(QtDebugMsg, ctx, QStringLiteral("Grüße")),
            QByteArray("Debug   : Gr\xc3\xbc\xc3\x9f"
                       "e(qrc:/App/Main.qml,28,expression for onClicked)\n"));
    }

    void fileLine_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default category") << int(QtDebugMsg) << "default"
                                          << "starting"
                                          << "... starting\r\n";
        QTest::newRow("qml category") << int(QtDebugMsg) << "qml"
                                      << "x"
                                      << "... qml: x\r\n";
        QTest::newRow("case differs") << int(QtWarningMsg) << "Default"
                                      << "x"
                                      << "[W] Default: x\r\n";
        QTest::newRow("trailing letter") << int(QtCriticalMsg) << "defaults"
                                         << "x"
                                         << "[C] defaults: x\r\n";
        QTest::newRow("fatal") << int(QtFatalMsg) << "default"
                               << "x"
                               << "[E] x\r\n";
        QTest::newRow("info") << int(QtInfoMsg) << "default"
                              << "x"
                              << "[I] x\r\n";
        QTest::newRow("unknown") << 42 << "default"
                                 << "x"
                                 << "[U] x\r\n";
        QTest::newRow("line breaks kept") << int(QtDebugMsg) << "default"
                                          << "a\nb\r\nc"
                                          << "... a\nb\r\nc\r\n";
    }
    void fileLine()
    {
        QFETCH(int, type);
        QFETCH(QString, category);
        QFETCH(QString, message);
        QFETCH(QString, expected);
        const QByteArray categoryName = category.toUtf8();
        const auto ctx = context(nullptr, 0, nullptr, categoryName.constData());
        QCOMPARE(OutputMessageHandler::fileLine(QtMsgType(type), ctx, message), expected);
    }

    void fileLineWithoutCategory()
    {
        const QMessageLogContext none;
        QCOMPARE(
            OutputMessageHandler::fileLine(QtDebugMsg, none, "x"), QStringLiteral("... x\r\n"));
    }

    void logFilePath()
    {
        const QDateTime time(QDate(2021, 12, 9), QTime(7, 5, 3));
        QCOMPARE(OutputMessageHandler::logFilePath("/home/u/Documents", time),
            QStringLiteral("/home/u/Documents/ostrel_211209-070503.txt"));
    }

    // Messages from several threads reach the file whole, one per line.
    void fileHandlerSerialisesThreads()
    {
        const QString documents
            = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QDir().mkpath(documents);
        QtMessageHandler previous = qInstallMessageHandler(OutputMessageHandler::fileHandler);

        const int threadCount = 4;
        const int perThread = 500;
        const QString payload(200, QLatin1Char('x'));
        QList<QThread *> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads << QThread::create([t, payload] {
                for (int i = 0; i < perThread; ++i)
                    qDebug().noquote()
                        << QStringLiteral("thread %1 message %2 %3").arg(t).arg(i).arg(payload);
            });
            threads.last()->start();
        }
        for (QThread *thread : threads) {
            QVERIFY(thread->wait(30000));
            delete thread;
        }
        qInstallMessageHandler(previous);

        const QStringList logs = QDir(documents).entryList({ QStringLiteral("ostrel_*.txt") });
        QCOMPARE(logs.size(), 1);
        QFile file(QDir(documents).filePath(logs.first()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        int written = 0;
        for (const QByteArray &line : lines) {
            if (line.isEmpty())
                continue;
            QVERIFY2(line.startsWith("... thread ") && line.endsWith(payload.toLatin1() + '\r'),
                line.constData());
            ++written;
        }
        QCOMPARE(written, threadCount * perThread);
        // What the operator did is no one else's to read.
        QCOMPARE(file.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
            QFile::ReadOwner | QFile::WriteOwner);
    }
};

QTEST_GUILESS_MAIN(OutputMessageHandlerTest)
#include "tst_outputmessagehandler.moc"
