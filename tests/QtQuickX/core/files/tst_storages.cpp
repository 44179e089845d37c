#include "RemovableVolumeProbe.h"
#include "StorageInfo.h"
#include "Storages.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString stampPattern = QStringLiteral("\\d{4}-\\d\\d-\\d\\d_\\d{6}");

class FixedProbe : public RemovableVolumeProbe
{
public:
    explicit FixedProbe(bool answer)
        : m_answer(answer)
    { }
    bool isRemovable(const QStorageInfo &) const override { return m_answer; }

private:
    bool m_answer;
};

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class StoragesTest : public QObject
{
    Q_OBJECT
private slots:
    void userFriendlySize_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("max");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << qint64(10000) << "0 bytes";
        QTest::newRow("just below max") << qint64(9999) << qint64(10000) << "9999 bytes";
        QTest::newRow("at max") << qint64(10000) << qint64(10000) << "10 KB";
        QTest::newRow("no rounding") << qint64(1500000) << qint64(10000) << "1500 KB";
        QTest::newRow("megabytes") << qint64(10000000) << qint64(10000) << "10 MB";
        QTest::newRow("small max") << qint64(1999) << qint64(1000) << "1 KB";
        QTest::newRow("largest value")
            << std::numeric_limits<qint64>::max() << qint64(10000) << "9223 PB";
        QTest::newRow("largest value, small max")
            << std::numeric_limits<qint64>::max() << qint64(2) << "9 EB";
    }
    void userFriendlySize()
    {
        QFETCH(qint64, bytes);
        QFETCH(qint64, max);
        QFETCH(QString, text);
        QCOMPARE(Storages().userFriendlySize(bytes, max), text);
    }

    void generatedNames_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("options");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("empty prefix") << ""
                                      << "txt" << 0 << QStringList() << stampPattern + "\\.txt";
        QTest::newRow("sanitised") << "a:b?c*d|e"
                                   << ".log" << 0 << QStringList() << "a_b_c_d_e\\.log";
        QTest::newRow("sanitised suffix") << "r"
                                          << "x/y" << 0 << QStringList() << "r\\.x_y";
        QTest::newRow("free") << "report"
                              << ".json" << 0 << QStringList() << "report\\.json";
        QTest::newRow("taken, stamp retry") << "report"
                                            << ".json" << 0 << QStringList { "report.json" }
                                            << "report_" + stampPattern + "\\.json";
        QTest::newRow("taken, stamps disabled")
            << "report"
            << ".json" << int(Storages::DisableTimeStamp) << QStringList { "report.json" }
            << "report\\(1\\)\\.json";
        QTest::newRow("numbered past taken ones")
            << "report"
            << ".json" << int(Storages::DisableTimeStamp)
            << QStringList { "report.json", "report(1).json", "report(2).json" }
            << "report\\(3\\)\\.json";
        QTest::newRow("forced stamp") << "report"
                                      << ".json" << int(Storages::ForceTimeStamp) << QStringList()
                                      << "report_" + stampPattern + "\\.json";
    }
    void generatedNames()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(int, options);
        QFETCH(QStringList, existing);
        QFETCH(QString, pattern);
        QTemporaryDir dir;
        for (const QString &name : existing)
            touch(dir.filePath(name));
        const QUrl url
            = Storages().generateFileName(QVariantList { QUrl::fromLocalFile(dir.path()) }, prefix,
                suffix, Storages::GenerateFileNameOptions(options));
        QVERIFY(url.isLocalFile());
        QCOMPARE(QFileInfo(url.toLocalFile()).path(), dir.path());
        const QString name = QFileInfo(url.toLocalFile()).fileName();
        QVERIFY2(QRegularExpression("^" + pattern + "$").match(name).hasMatch(), qPrintable(name));
        QVERIFY(!QFile::exists(url.toLocalFile()));
    }

    void generateFileNameReservesAndMovesOn()
    {
        QTemporaryDir full;
        QTemporaryDir spare;
        touch(full.filePath("n.txt"));
        for (int i = 1; i <= 99; ++i)
            touch(full.filePath(QString("n(%1).txt").arg(i)));
        const QVariantList folders { QUrl("http://h/"), QUrl::fromLocalFile(full.path()),
            QUrl::fromLocalFile(spare.path()) };
        const QUrl url = Storages().generateFileName(
            folders, "n", "txt", Storages::DisableTimeStamp | Storages::ReserveFile);
        QCOMPARE(url, QUrl::fromLocalFile(spare.filePath("n.txt")));
        QVERIFY(QFile::exists(url.toLocalFile()));
        QCOMPARE(Storages().generateFileName(QVariantList { QUrl::fromLocalFile(full.path()) }, "n",
                     "txt", Storages::DisableTimeStamp),
            QUrl());
    }

    void generateFileNameOnly()
    {
        Storages storages;
        QCOMPARE(storages.generateFileNameOnly("a<b>", "csv"), QString("a_b_.csv"));
        QVERIFY(QRegularExpression("^x_" + stampPattern + "$")
                    .match(storages.generateFileNameOnly("x", "", Storages::ForceTimeStamp))
                    .hasMatch());
    }

    void writableFolders()
    {
        QTemporaryDir dir;
        Storages storages;
        const QString missing = dir.filePath("made/here");
        QCOMPARE(
            storages.writableDir(QVariantList { QUrl("http://h/"), QUrl::fromLocalFile(missing) }),
            QUrl(missing));
        QCOMPARE(storages.writableDir(QVariantList {}), QUrl());
        const QUrl location = storages.writableLocation(Storages::AppDataLocation, "clips/x");
        QVERIFY(location.isLocalFile());
        QVERIFY(location.toLocalFile().endsWith("/clips/x"));
        QVERIFY(QFileInfo(location.toLocalFile()).isDir());
    }

    void usbDrivesAreTheWritableRemovableVolumes()
    {
        const QString tempRoot = QStorageInfo(QDir::tempPath()).rootPath();
        const QList<QUrl> all
            = Storages(std::make_unique<FixedProbe>(true)).writableUsbFlashDrives();
        QVERIFY(all.contains(QUrl::fromLocalFile(tempRoot)));
        for (const QUrl &root : all)
            QVERIFY(!QStorageInfo(root.toLocalFile()).isReadOnly());
        QVERIFY(Storages(std::make_unique<FixedProbe>(false)).writableUsbFlashDrives().isEmpty());
    }

    void storageInfo()
    {
        StorageInfo info;
        QSignalSpy changed(&info, &StorageInfo::changed);
        QCOMPARE(info.bytesTotal(), 0.0);
        const QUrl temp = QUrl::fromLocalFile(QDir::tempPath());
        info.setRootUri(temp);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(info.rootUri(), QUrl::fromLocalFile(QStorageInfo(QDir::tempPath()).rootPath()));
        QVERIFY(info.bytesTotal() > 0);
        QVERIFY(!info.displayName().isEmpty());
        info.setRootUri(temp);
        QCOMPARE(changed.count(), 1);
        info.setRootUri(QUrl("http://h/"));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(info.rootUri(), QUrl());
        QCOMPARE(info.bytesTotal(), 0.0);
        QCOMPARE(info.displayName(), QString());
    }
};

QTEST_GUILESS_MAIN(StoragesTest)
#include "tst_storages.moc"
