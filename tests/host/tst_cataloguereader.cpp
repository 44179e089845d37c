#include "CatalogueReader.h"
#include "FirmwareCatalogue.h"
#include "StoreCatalogue.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QString firmwareRows(int count, const QString &version = QStringLiteral("1100"))
{
    QString xml = QStringLiteral("<?xml version=\"1.0\"?><softwares>");
    for (int i = 0; i < count; ++i)
        xml += QStringLiteral("<software><ver>%1</ver><code>G3</code></software>").arg(version);
    return xml + QStringLiteral("</softwares>");
}

} // namespace

class CatalogueReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void firmwareRowsAreBounded()
    {
        const CatalogueRows read = FirmwareCatalogue::parse(
            QStringLiteral("<softwares><software><ver> 990 </ver><code>G4</code><x><y/></x>"
                           "</software><software><code>G3</code><ver>1040</ver></software>"
                           "</softwares>"));
        QCOMPARE(read.error, QString());
        QCOMPARE(read.rows,
            (QVariantList { QVariantMap { { "version", "990" }, { "code", "G4" } },
                QVariantMap { { "version", "1040" }, { "code", "G3" } } }));

        const CatalogueRows many
            = FirmwareCatalogue::parse(firmwareRows(CatalogueRows::MaxRows + 7));
        QCOMPARE(many.rows.size(), CatalogueRows::MaxRows);
        QCOMPARE(many.droppedRows, 7);

        const CatalogueRows longVersion
            = FirmwareCatalogue::parse(firmwareRows(1, QString(5000, 'v')));
        const QString version = longVersion.rows.value(0).toMap().value("version").toString();
        QCOMPARE(version, QString(CatalogueRows::MaxTextLength, 'v') + QChar(0x2026));
    }

    void unreadableFirmwareCataloguesSayWhy_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::newRow("entities") << QStringLiteral(
            "<?xml version=\"1.0\"?><!DOCTYPE s [<!ENTITY a \"aaaaaaaa\"><!ENTITY b "
            "\"&a;&a;&a;\">]>"
            "<softwares><software><ver>&b;</ver></software></softwares>");
        QString deep = QStringLiteral("<softwares>");
        for (int i = 0; i < 100000; ++i)
            deep += QStringLiteral("<n>");
        QTest::newRow("deeply nested") << deep;
        QTest::newRow("not xml") << QStringLiteral("{\"products\":[]}");
        QTest::newRow("cut short") << QStringLiteral("<softwares><software><ver>1</ver>");
        QTest::newRow("another document") << QStringLiteral("<html><body/></html>");
    }

    void unreadableFirmwareCataloguesSayWhy()
    {
        QFETCH(QString, xml);
        const CatalogueRows read = FirmwareCatalogue::parse(xml);
        QVERIFY(!read.error.isEmpty());
        QVERIFY(read.rows.isEmpty());
    }

    void storeProductsAsTheEditorsReadThem()
    {
        const CatalogueRows read = StoreCatalogue::parse(QStringLiteral(
            "{\"products\":[{\"id\":7,\"name\":\"Whiteboard\",\"packageName\":\"com.x.wb\","
            "\"packages\":[{\"versionCode\":10,\"versionName\":\"1.10\",\"whatNew\":\"Faster\","
            "\"os\":{\"name\":\"Android\",\"minOs\":\"9\"}}, 5]},"
            "{\"name\":\"%1\"}, null]}")
                                                             .arg(QString(1000, 'n')));
        QCOMPARE(read.error, QString());
        QCOMPARE(read.rows.size(), 2);
        QCOMPARE(read.droppedRows, 1);
        const QVariantMap product = read.rows.at(0).toMap();
        QCOMPARE(product.value("idd").toString(), QStringLiteral("7"));
        QCOMPARE(product.value("packageName").toString(), QStringLiteral("com.x.wb"));
        const QVariantList packages = product.value("packages").toList();
        QCOMPARE(packages.size(), 1);
        QCOMPARE(packages.first().toMap(),
            (QVariantMap { { "versionCode", "10" }, { "versionName", "1.10" },
                { "whatsNew", "Faster" }, { "osName", "Android" }, { "minOsVersion", "9" },
                { "minFirmwareVersion", "" } }));
        const QVariantMap bare = read.rows.at(1).toMap();
        QCOMPARE(bare.value("name").toString().size(), CatalogueRows::MaxTextLength + 1);
        QVERIFY(bare.value("packages").isNull());

        QVERIFY(!StoreCatalogue::parse(QStringLiteral("<html/>")).error.isEmpty());
        QVERIFY(!StoreCatalogue::parse(QStringLiteral("{\"items\":[]}")).error.isEmpty());
    }

    // Only the last text read finishes; a large one is parsed while the caller goes on.
    void readerParsesOffTheCallingThread()
    {
        CatalogueReader reader;
        QSignalSpy finished(&reader, &CatalogueReader::finished);
        reader.read(firmwareRows(400000));
        QVERIFY(reader.busy());
        reader.read(firmwareRows(2, QStringLiteral("2100")));
        QVERIFY(finished.wait(20000));
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!reader.busy());
        QCOMPARE(reader.rows().size(), 2);
        QCOMPARE(reader.rows().first().toMap().value("version").toString(), QStringLiteral("2100"));

        reader.fail(QStringLiteral("no answer"));
        QCOMPARE(reader.errorString(), QStringLiteral("no answer"));
        QVERIFY(reader.rows().isEmpty());
    }
};

QTEST_GUILESS_MAIN(CatalogueReaderTest)
#include "tst_cataloguereader.moc"
