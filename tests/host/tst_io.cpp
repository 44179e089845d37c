#include "IO.h"

#include <QTime>
#include <QtTest>

class IOTest : public QObject
{
    Q_OBJECT
private slots:
    void setFileName_data()
    {
        QTest::addColumn<QUrl>("folder");
        QTest::addColumn<QUrl>("expected");
        QTest::newRow("trailing slash") << QUrl("file:///home/op/Documents/")
                                        << QUrl("file:///home/op/Documents/init-config.json");
        QTest::newRow("no trailing slash") << QUrl("file:///home/op/Documents")
                                           << QUrl("file:///home/op/Documents/init-config.json");
        QTest::newRow("encoded folder") << QUrl::fromLocalFile("/media/USB Drive")
                                        << QUrl::fromLocalFile("/media/USB Drive/init-config.json");
    }
    void setFileName()
    {
        QFETCH(QUrl, folder);
        QFETCH(QUrl, expected);
        IO io;
        QCOMPARE(io.setFileName(folder, "init-config.json"), expected);
    }

    void timeFromString()
    {
        IO io;
        QCOMPARE(io.timeFromString("08:00:00").toTime(), QTime(8, 0, 0));
        QVERIFY(!io.timeFromString("eight o'clock").toTime().isValid());
        QCOMPARE(io.timeFromString("23:59:58", Qt::ISODate).toTime(), QTime(23, 59, 58));
    }

    void localeTimeFromString()
    {
        IO io;
        const QLocale c = QLocale::c();
        const QDateTime when(QDate(2024, 3, 5), QTime(14, 30, 0));
        const QVariant parsed = io.localeTimeFromString(c.toString(when, QLocale::LongFormat), c);
        QCOMPARE(parsed.userType(), int(QMetaType::QDateTime));
        QCOMPARE(parsed.toDateTime(), when);
    }

    void documentsDirectoryIsLocal()
    {
        IO io;
        QVERIFY(io.defaultDocumentsDirectory().isLocalFile());
    }
};

QTEST_GUILESS_MAIN(IOTest)
#include "tst_io.moc"
