#include "ClipboardFileStorage.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void setLastRead(const QString &path, const QDateTime &when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileAccessTime));
}

} // namespace

class ClipboardFileStorageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void storeFileCopiesOnce()
    {
        ClipboardFileStorage storage(m_dir.filePath("store"));
        const QString source = m_dir.filePath("source.txt");
        writeFile(source, "first");
        const QString url = storage.storeFile(QUrl::fromLocalFile(source).toString(), "42", "txt");
        QCOMPARE(QUrl(url).toLocalFile(), m_dir.filePath("store/clipboardFile42.txt"));
        writeFile(source, "second");
        QCOMPARE(storage.storeFile(QUrl::fromLocalFile(source).toString(), "42", "txt"), url);
        QCOMPARE(readFile(QUrl(url).toLocalFile()), QByteArray("first"));
    }

    void storeFileReplacesEmptyLeftover()
    {
        ClipboardFileStorage storage(m_dir.path());
        const QString source = m_dir.filePath("source.bin");
        writeFile(source, "data");
        writeFile(m_dir.filePath("clipboardFile7.bin"), "");
        const QString url = storage.storeFile(QUrl::fromLocalFile(source).toString(), "7", "bin");
        QCOMPARE(readFile(QUrl(url).toLocalFile()), QByteArray("data"));
        QCOMPARE(storage.storeFile(
                     QUrl::fromLocalFile(m_dir.filePath("missing")).toString(), "8", "bin"),
            QString());
    }

    void clearOldData_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("secondsAgo");
        QTest::addColumn<bool>("kept");
        QTest::newRow("read an hour ago") << "clipboardFile1.png" << qint64(3600) << true;
        QTest::newRow("read two days ago") << "clipboardFile2.png" << qint64(2 * 86400) << false;
        QTest::newRow("just under a day") << "clipboardFile3.png" << qint64(86390) << true;
        QTest::newRow("a day") << "clipboardFile4.png" << qint64(86400) << false;
        QTest::newRow("old, not ours") << "notes.txt" << qint64(5 * 86400) << true;
    }
    void clearOldData()
    {
        QFETCH(QString, name);
        QFETCH(qint64, secondsAgo);
        QFETCH(bool, kept);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        writeFile(path, "x");
        setLastRead(path, QDateTime::currentDateTime().addSecs(-secondsAgo));
        ClipboardFileStorage storage(folder.path());
        QVERIFY(storage.clearOldData());
        QCOMPARE(QFile::exists(path), kept);
    }

    void clearOldDataWithoutFolder()
    {
        ClipboardFileStorage storage(m_dir.filePath("never-made"));
        QVERIFY(!storage.clearOldData());
    }

    void storeImageNeverOverwrites()
    {
        ClipboardFileStorage storage(m_dir.filePath("images"));
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QStringList urls;
        for (int i = 0; i < 5; ++i)
            urls.append(storage.storeImage(image));
        urls.removeDuplicates();
        QCOMPARE(urls.size(), 5);
        for (const QString &url : qAsConst(urls))
            QCOMPARE(QImage(QUrl(url).toLocalFile()).size(), QSize(4, 4));
        QCOMPARE(storage.storeImage(QImage()), QString());
        QCOMPARE(storage.storeImage(image, "no-such-format"), QString());
        QCOMPARE(QDir(storage.folder()).entryList(QDir::Files).size(), 5);
    }

    void defaultFolderIsLocalData()
    {
        ClipboardFileStorage storage;
        QCOMPARE(storage.folder(),
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(ClipboardFileStorageTest)
#include "tst_clipboardfilestorage.moc"
