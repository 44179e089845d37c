#include "BuildInfo.h"

#include <QtTest>

class BuildInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void compilerDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("version");
        QTest::newRow("two-digit day") << "Dec 29 2021" << QDate(2021, 12, 29) << "1.4.1.11229";
        QTest::newRow("one-digit day") << "Dec  9 2021" << QDate(2021, 12, 9) << "1.4.1.11209";
        QTest::newRow("january") << "Jan  1 2030" << QDate(2030, 1, 1) << "1.4.1.00101";
    }
    void compilerDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(QString, version);
        QCOMPARE(BuildInfo::parseCompilerDate(text), date);
        QCOMPARE(BuildInfo::versionFor(date), version);
    }

    void thisBuild()
    {
        QVERIFY(BuildInfo::buildDate().isValid());
        QCOMPARE(BuildInfo::buildVersionShort(), QStringLiteral("1.4"));
        QVERIFY(BuildInfo::buildVersion().startsWith(QStringLiteral("1.4.1.")));
        QCOMPARE(BuildInfo::buildVersion().size(), QStringLiteral("1.4.1.11229").size());
    }

    void malformedDateIsInvalid() { QVERIFY(!BuildInfo::parseCompilerDate("Dec").isValid()); }
};

QTEST_GUILESS_MAIN(BuildInfoTest)
#include "tst_buildinfo.moc"
