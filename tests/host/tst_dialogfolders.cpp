#include "DialogFolders.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class DialogFoldersTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("KestrumTest"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_dialogfolders"));
    }

    // Documents first; then the last folder of the same purpose, until that folder is gone.
    void startFolderFollowsTheLastChoice()
    {
        const QString documents
            = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        DialogFolders folders;
        QCOMPARE(folders.startFolder("csv"), QUrl::fromLocalFile(documents));

        auto drive = std::make_unique<QTemporaryDir>();
        QVERIFY(drive->isValid());
        folders.remember("csv", QUrl::fromLocalFile(drive->filePath("devices.csv")));
        folders.remember("token", QUrl::fromLocalFile(drive->path() + "/"));
        QCOMPARE(DialogFolders().startFolder("csv"), QUrl::fromLocalFile(drive->path()));
        QCOMPARE(folders.startFolder("token"), QUrl::fromLocalFile(drive->path()));
        QCOMPARE(folders.startFolder("other"), QUrl::fromLocalFile(documents));

        drive.reset();
        QCOMPARE(folders.startFolder("csv"), QUrl::fromLocalFile(documents));
    }
};

QTEST_GUILESS_MAIN(DialogFoldersTest)
#include "tst_dialogfolders.moc"
