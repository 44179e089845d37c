#include "FakeFileManager.h"
#include "LinuxSharingPlatform.h"
#include "SharingUtility.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

class RecordingPlatform : public SharingPlatform
{
public:
    int capabilities() const override { return SharingUtility::ShareToClipboard; }
    bool showInExplorer(const QUrl &) override { return false; }
    bool sendFile(const QUrl &uri, const QString &mimeType) override
    {
        sent = QStringList { uri.toString(), mimeType };
        return true;
    }
    QStringList sent;
};

} // namespace

// Receives what the desktop's default handler would have opened.
class OpenedUrls : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class SharingUtilityTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(m_dir.filePath("folder")));
        m_file = m_dir.filePath("folder/report.txt");
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("line one\nüber\n");
        file.close();
        QDesktopServices::setUrlHandler("file", &m_opened, "open");
        startPrivateBus();
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("file");
        if (m_fileManagerThread.isRunning()) {
            m_fileManagerThread.quit();
            m_fileManagerThread.wait();
        }
        m_bus.kill();
        m_bus.waitForFinished();
    }

    void init() { m_opened.urls.clear(); }

    void shareToClipboard()
    {
        SharingUtility sharing;
        QVERIFY(sharing.shareToClipboard(QUrl::fromLocalFile(m_file)));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("line one\nüber\n"));
        QVERIFY(sharing.shareToClipboard(QString("plain words")));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("plain words"));
        QVERIFY(!sharing.shareToClipboard(QUrl::fromLocalFile(m_dir.filePath("missing"))));
        QVERIFY(!sharing.shareToClipboard(QUrl("http://localhost/x.txt")));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("plain words"));
    }

    void showFolderInExplorer_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("opened");
        QTest::newRow("file") << "folder/report.txt"
                              << "folder";
        QTest::newRow("folder") << "folder"
                                << "folder";
    }
    void showFolderInExplorer()
    {
        QFETCH(QString, path);
        QFETCH(QString, opened);
        SharingUtility sharing;
        QVERIFY(sharing.showFolderInExplorer(QUrl::fromLocalFile(m_dir.filePath(path))));
        QCOMPARE(m_opened.urls, QList<QUrl> { QUrl::fromLocalFile(m_dir.filePath(opened)) });
        QVERIFY(!sharing.showFolderInExplorer(QUrl("http://localhost/")));
    }

    void sendFileFillsMimeType()
    {
        auto platform = std::make_unique<RecordingPlatform>();
        RecordingPlatform *recorder = platform.get();
        SharingUtility sharing(std::move(platform));
        QVERIFY(sharing.sendFile(QUrl::fromLocalFile(m_file)));
        QCOMPARE(recorder->sent.value(1), QString("text/plain"));
        QVERIFY(sharing.sendFile(QUrl::fromLocalFile(m_file), "application/x-custom"));
        QCOMPARE(recorder->sent.value(1), QString("application/x-custom"));
        QVERIFY(!(sharing.capabilities() & SharingUtility::SendFile));
    }

    void fileManagerShowsItems_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("call");
        QTest::newRow("file is selected") << "folder/report.txt"
                                          << "ShowItems";
        QTest::newRow("folder is opened") << "folder"
                                          << "ShowFolders";
    }
    void fileManagerShowsItems()
    {
        QFETCH(QString, path);
        QFETCH(QString, call);
        QVERIFY(startFakeFileManager());
        const QUrl url = QUrl::fromLocalFile(m_dir.filePath(path));
        LinuxSharingPlatform platform(clientConnection());
        QVERIFY(platform.capabilities() & SharingUtility::ShowInExplorer);
        QVERIFY(!(platform.capabilities() & SharingUtility::SendFile));
        QVERIFY(platform.showInExplorer(url));
        QCOMPARE(m_fileManager->calls().last(), call + " " + url.toString(QUrl::FullyEncoded));
        QVERIFY(m_opened.urls.isEmpty());
        QVERIFY(!platform.showInExplorer(QUrl("http://localhost/x")));
    }

    void withoutFileManagerTheFolderIsOpened()
    {
        LinuxSharingPlatform platform(QDBusConnection(QStringLiteral("not connected")));
        QVERIFY(platform.showInExplorer(QUrl::fromLocalFile(m_file)));
        QCOMPARE(m_opened.urls, QList<QUrl> { QUrl::fromLocalFile(m_dir.filePath("folder")) });
    }

private:
    void startPrivateBus()
    {
        m_bus.start("dbus-daemon", { "--session", "--nofork", "--print-address=1" });
        if (!m_bus.waitForStarted() || !m_bus.waitForReadyRead(10000))
            return;
        m_busAddress = QString::fromUtf8(m_bus.readLine()).trimmed();
    }

    QDBusConnection clientConnection()
    {
        return QDBusConnection::connectToBus(m_busAddress, "client");
    }

    bool startFakeFileManager()
    {
        if (m_fileManager)
            return true;
        if (m_busAddress.isEmpty())
            return false;
        QDBusConnection service = QDBusConnection::connectToBus(m_busAddress, "file-manager");
        m_fileManager = new FakeFileManager;
        m_fileManager->moveToThread(&m_fileManagerThread);
        connect(&m_fileManagerThread, &QThread::finished, m_fileManager, &QObject::deleteLater);
        m_fileManagerThread.start();
        return service.registerObject(
                   "/org/freedesktop/FileManager1", m_fileManager, QDBusConnection::ExportAllSlots)
            && service.registerService("org.freedesktop.FileManager1");
    }

    QTemporaryDir m_dir;
    QString m_file;
    OpenedUrls m_opened;
    QProcess m_bus;
    QString m_busAddress;
    QThread m_fileManagerThread;
    FakeFileManager *m_fileManager = nullptr;
};

QTEST_MAIN(SharingUtilityTest)
#include "tst_sharingutility.moc"
