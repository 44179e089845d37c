#include "LocalIO.h"

#include <QtQuickX.h>

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Caps the size of files this process may write, so that a write fails on any file system.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace

class LocalIOTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QtQuickX::registerResources();
    }

    void compareFiles_data()
    {
        const QByteArray big(int(LocalIO::compareChunkSize) + 10, 'x');
        QByteArray bigChangedInSecondChunk = big;
        bigChangedInSecondChunk[int(LocalIO::compareChunkSize) + 5] = 'z';

        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<bool>("firstExists");
        QTest::addColumn<bool>("secondExists");
        QTest::addColumn<int>("result");
        QTest::newRow("identical") << QByteArray("abc") << QByteArray("abc") << true << true << 0;
        QTest::newRow("first longer")
            << QByteArray("abcde") << QByteArray("abc") << true << true << 2;
        QTest::newRow("first shorter")
            << QByteArray("a") << QByteArray("abc") << true << true << -2;
        QTest::newRow("byte differs")
            << QByteArray("abd") << QByteArray("abf") << true << true << int('d') - int('f');
        QTest::newRow("high bytes are unsigned")
            << QByteArray("\xff") << QByteArray("\x01") << true << true << 0xfe;
        QTest::newRow("second chunk differs")
            << big << bigChangedInSecondChunk << true << true << int('x') - int('z');
        QTest::newRow("first missing") << QByteArray() << QByteArray("a") << false << true << -1;
        QTest::newRow("second missing") << QByteArray("a") << QByteArray() << true << false << 1;
        QTest::newRow("both missing") << QByteArray() << QByteArray() << false << false << 0;
    }
    void compareFiles()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(bool, firstExists);
        QFETCH(bool, secondExists);
        QFETCH(int, result);
        const QString firstPath = m_dir.filePath("compare-1");
        const QString secondPath = m_dir.filePath("compare-2");
        QFile::remove(firstPath);
        QFile::remove(secondPath);
        if (firstExists)
            writeFile(firstPath, first);
        if (secondExists)
            writeFile(secondPath, second);
        LocalIO io;
        QCOMPARE(io.compareFiles(QUrl::fromLocalFile(firstPath), secondPath), result);
    }

    void writeWholeFileCreatesFolders()
    {
        const QString path = m_dir.filePath("new/levels/data.json");
        LocalIO io;
        QVERIFY(io.writeWholeFile(QUrl::fromLocalFile(path), QByteArray("{\"a\":1}")));
        QCOMPARE(readFile(path), QByteArray("{\"a\":1}"));
        QVERIFY(io.writeWholeFile(QUrl::fromLocalFile(path), QString("ü")));
        QCOMPARE(readFile(path), QString("ü").toUtf8());
    }

    void writeWholeFileKeepsOldFileOnFailure()
    {
        const QString path = m_dir.filePath("kept.json");
        writeFile(path, "good content");
        LocalIO io;
        {
            FileSizeLimit limit(64 * 1024);
            QVERIFY(!io.writeWholeFile(QUrl::fromLocalFile(path), QByteArray(1024 * 1024, 'n')));
        }
        QCOMPARE(readFile(path), QByteArray("good content"));
        QCOMPARE(QDir(m_dir.path()).entryList({ "kept.json*" }, QDir::Files),
            QStringList { "kept.json" });
    }

    // A token file replacing one anybody could read is the owner's alone from then on.
    void writePrivateFileIsOwnerOnly()
    {
        const QString path = m_dir.filePath("token/init-config.json");
        QVERIFY(QDir().mkpath(m_dir.filePath("token")));
        writeFile(path, "old");
        QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther));
        LocalIO io;
        QVERIFY(io.writePrivateFile(QUrl::fromLocalFile(path), QString("{\"t\":1}")));
        QCOMPARE(readFile(path), QByteArray("{\"t\":1}"));
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
            QFile::ReadOwner | QFile::WriteOwner);
    }

    void writeWholeFileRefusesUnusablePlaces()
    {
        const QString blocker = m_dir.filePath("blocker");
        writeFile(blocker, "x");
        LocalIO io;
        QVERIFY(!io.writeWholeFile(QUrl::fromLocalFile(blocker + "/x.json"), QByteArray("1")));
        QVERIFY(!io.writeWholeFile(QUrl("http://h/x.json"), QByteArray("1")));
    }

    void readResolution_data()
    {
        QTest::addColumn<QUrl>("uri");
        QTest::addColumn<bool>("readsQmldir");
        QTest::newRow("three slashes") << QUrl("qrc:///QtQuickX/qmldir") << true;
        QTest::newRow("one slash") << QUrl("qrc:/QtQuickX/qmldir") << true;
        QTest::newRow("web") << QUrl("http://localhost/QtQuickX/qmldir") << false;
        QTest::newRow("empty") << QUrl() << false;
    }
    void readResolution()
    {
        QFETCH(QUrl, uri);
        QFETCH(bool, readsQmldir);
        LocalIO io;
        QCOMPARE(io.readFileText(uri).startsWith("module QtQuickX"), readsQmldir);
        QCOMPARE(io.readStringData(uri).isEmpty(), !readsQmldir);
    }

    void sizeAndCopy()
    {
        const QString source = m_dir.filePath("copy-source");
        const QString target = m_dir.filePath("copy-target");
        writeFile(source, "12345");
        LocalIO io;
        QCOMPARE(io.size(QUrl::fromLocalFile(source)), qint64(5));
        QCOMPARE(io.size(QUrl::fromLocalFile(m_dir.filePath("missing"))), qint64(-1));
        QCOMPARE(io.size(QUrl("http://h/x")), qint64(-1));
        QVERIFY(io.copy(QUrl::fromLocalFile(source), QUrl::fromLocalFile(target)));
        QVERIFY(!io.copy(QUrl::fromLocalFile(source), QUrl::fromLocalFile(target)));
        QVERIFY(io.renameFile(QUrl::fromLocalFile(target), m_dir.filePath("renamed")));
        QVERIFY(io.removeFile(QUrl::fromLocalFile(m_dir.filePath("renamed"))));
        QVERIFY(!QFile::exists(m_dir.filePath("renamed")));
    }

    void nearestDirectories()
    {
        LocalIO io;
        const QUrl deep = QUrl::fromLocalFile(m_dir.filePath("no/such/folder/file.txt"));
        QCOMPARE(io.nearestExistingDirectory(deep), QUrl::fromLocalFile(m_dir.path()));
        QCOMPARE(io.nearestWritableDirectory(deep), QUrl::fromLocalFile(m_dir.path()));
        QCOMPARE(io.nearestExistingDirectory(QUrl("http://h/a")), QUrl("http://h/a"));
    }

    void ensureDirectory()
    {
        LocalIO io;
        const QUrl created = QUrl::fromLocalFile(m_dir.filePath("ensure/a/b"));
        const QVariantList list { QUrl("http://h/x"), created };
        QCOMPARE(io.ensureDirectory(list), created);
        QVERIFY(QFileInfo(created.toLocalFile()).isDir());

        const QUrl impossible = QUrl::fromLocalFile(m_dir.filePath("blocker/sub"));
        writeFile(m_dir.filePath("blocker"), "x");
        QCOMPARE(io.ensureDirectory(QVariantList { impossible }), impossible);
        QCOMPARE(io.ensureDirectory(QVariantList { impossible }, false), QUrl());
        QCOMPARE(io.ensureDirectory(QVariantList {}), QUrl());
    }

    void createDirectory()
    {
        LocalIO io;
        const QUrl base = QUrl::fromLocalFile(m_dir.filePath("create"));
        QVERIFY(io.createDirectory(base));
        QVERIFY(io.createDirectory(base, "a/b/c"));
        QVERIFY(QFileInfo(m_dir.filePath("create/a/b/c")).isDir());
        QVERIFY(!io.createDirectory(QUrl("http://h/x"), "a"));
    }

    void writableProbeLeavesNothingBehind()
    {
        QTemporaryDir folder;
        LocalIO io;
        QVERIFY(io.isWritable(QUrl::fromLocalFile(folder.path())));
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(!io.isWritable(QUrl::fromLocalFile(folder.filePath("missing"))));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(LocalIOTest)
#include "tst_localio.moc"
