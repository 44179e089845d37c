#include "Clipboard.h"
#include "ClipboardPictureData.h"
#include "Picture.h"
#include "QmlClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage sampleImage()
{
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixelColor(3, 2, QColor(250, 0, 0));
    return image;
}

bool samePixels(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class ClipboardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_imageFile = QUrl::fromLocalFile(m_dir.filePath("sample.png"));
        QVERIFY(sampleImage().save(m_imageFile.toLocalFile()));
    }

    void textRoundTrips_data()
    {
        QTest::addColumn<QVariantMap>("data");
        QTest::addColumn<QVariantList>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hasText");
        QTest::addColumn<bool>("hasHtml");
        QTest::newRow("plain") << QVariantMap { { "text/plain", "hello" } } << QVariantList()
                               << "hello" << true << false;
        QTest::newRow("html wins over plain")
            << QVariantMap { { "text/plain", "bold" }, { "text/html", "<b>bold</b>" } }
            << QVariantList() << "<b>bold</b>" << true << true;
        QTest::newRow("url over plain")
            << QVariantMap { { "text/plain", "words" } } << QVariantList { "file:///tmp/a.txt" }
            << "file:///tmp/a.txt" << true << false;
        QTest::newRow("empty html")
            << QVariantMap { { "text/html", "" } } << QVariantList() << "" << false << true;
    }
    void textRoundTrips()
    {
        QFETCH(QVariantMap, data);
        QFETCH(QVariantList, urls);
        QFETCH(QString, text);
        QFETCH(bool, hasText);
        QFETCH(bool, hasHtml);
        Clipboard clipboard;
        clipboard.setData(data, urls);
        QCOMPARE(clipboard.text(), text);
        QCOMPARE(clipboard.hasText(), hasText);
        QCOMPARE(clipboard.hasHtml(), hasHtml);
    }

    void setTextReplacesEverything()
    {
        Clipboard clipboard;
        clipboard.setData({ { "text/html", "<i>x</i>" } });
        clipboard.setText("plain only");
        QVERIFY(!clipboard.hasHtml());
        QCOMPARE(clipboard.text(), QString("plain only"));
        QVERIFY(clipboard.formats().contains("text/plain"));
    }

    void jsonData()
    {
        Clipboard clipboard;
        clipboard.setData({ { "application/x-kestrum-ids", "{\"ids\": [1, 2]}" } });
        QVERIFY(clipboard.hasMimeType("application/x-kestrum-ids"));
        const QVariantMap map = clipboard.data("application/x-kestrum-ids").toMap();
        QCOMPARE(map.value("ids").toList(), (QVariantList { 1, 2 }));
        QVERIFY(!clipboard.data("application/x-missing").isValid());
    }

    void imageThroughFileAndBack()
    {
        Clipboard clipboard;
        clipboard.setImage(m_imageFile);
        QVERIFY(clipboard.hasImage());
        QCOMPARE(clipboard.text(), m_imageFile.toString());
        std::unique_ptr<ClipboardPictureData> stored(clipboard.image());
        QCOMPARE(stored->size(), QSize(7, 5));
        QVERIFY(stored->url().isLocalFile());
        QVERIFY(QFileInfo(stored->url().toLocalFile()).fileName().startsWith("clipboardFile"));
        QVERIFY(samePixels(QImage(stored->url().toLocalFile()), sampleImage()));
    }

    void nonLocalImageUrlGivesNoImage()
    {
        Clipboard clipboard;
        clipboard.setImage(QUrl("http://localhost/x.png"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    void pictureRoundTrip_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("listedSuffix");
        QTest::newRow("default") << ""
                                 << "png";
        QTest::newRow("bmp") << "bmp"
                             << "bmp";
        QTest::newRow("pdf goes with a png image") << "PDF"
                                                   << "PDF";
    }
    void pictureRoundTrip()
    {
        QFETCH(QString, format);
        QFETCH(QString, listedSuffix);
        QmlClipboard clipboard;
        Picture source;
        source.setImage(sampleImage());
        clipboard.setImage(&source, format);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasImage());
        QVERIFY(samePixels(qvariant_cast<QImage>(data->imageData()), sampleImage()));
        QCOMPARE(data->urls().size(), 1);
        const QString listed = data->urls().first().toLocalFile();
        QCOMPARE(QFileInfo(listed).suffix(), listedSuffix);
        QVERIFY(QFileInfo(listed).size() > 0);
        if (listedSuffix == "PDF") {
            QFile pdf(listed);
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.read(5) == "%PDF-");
        }

        std::unique_ptr<Picture> back(clipboard.image());
        QCOMPARE(back->size(), QSize(7, 5));
        QVERIFY(samePixels(back->image(), sampleImage()));
        QVERIFY(back->id() != source.id());
    }

private:
    QTemporaryDir m_dir;
    QUrl m_imageFile;
};

QTEST_MAIN(ClipboardTest)
#include "tst_clipboard.moc"
