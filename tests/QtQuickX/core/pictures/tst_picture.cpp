#include "InMemoryImageProvider.h"
#include "Picture.h"
#include "QuickInMemoryImageProvider.h"

#include <QQmlEngine>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage filled(QColor color)
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

quint64 idNumber(const Picture &picture)
{
    return picture.id().mid(QString("picture-").size()).toULongLong(nullptr, 16);
}

} // namespace

class PictureTest : public QObject
{
    Q_OBJECT
private slots:
    void idsAreConsecutiveAndUrlsResolve()
    {
        QuickInMemoryImageProvider provider;
        QSignalSpy countChanged(&provider, &QuickInMemoryImageProvider::imagesCountChanged);
        const int before = provider.imagesCount();
        Picture first;
        Picture second;
        QSignalSpy idChanged(&first, &Picture::idChanged);
        first.setImage(filled(Qt::red));
        second.setImage(filled(Qt::green));
        QVERIFY(QRegularExpression("^picture-[0-9a-f]+$").match(first.id()).hasMatch());
        QCOMPARE(idNumber(second), idNumber(first) + 1);
        QCOMPARE(first.url(), QUrl("image://memory-image/" + first.id()));
        QCOMPARE(idChanged.count(), 1);
        QCOMPARE(provider.imagesCount(), before + 2);
        QCOMPARE(countChanged.count(), 2);

        QSize size;
        QCOMPARE(provider.requestImage(second.id(), &size, QSize(2, 2)), filled(Qt::green));
        QCOMPARE(size, QSize(16, 8));
        QVERIFY(provider.requestImage("picture-none", &size, QSize()).isNull());
    }

    void newImageNewId()
    {
        QuickInMemoryImageProvider provider;
        Picture picture;
        picture.setImage(filled(Qt::red));
        const QString oldId = picture.id();
        const QImage same = picture.image();
        picture.setImage(same);
        QCOMPARE(picture.id(), oldId);
        picture.setImage(filled(Qt::blue));
        QVERIFY(picture.id() != oldId);
        QVERIFY(provider.requestImage(oldId, nullptr, QSize()).isNull());
        QCOMPARE(provider.requestImage(picture.id(), nullptr, QSize()), filled(Qt::blue));

        QSignalSpy idChanged(&picture, &Picture::idChanged);
        const QString lastId = picture.id();
        picture.setImage(QImage());
        QCOMPARE(idChanged.count(), 1);
        QCOMPARE(picture.id(), QString());
        QCOMPARE(picture.url(), QUrl());
        QVERIFY(provider.requestImage(lastId, nullptr, QSize()).isNull());
        picture.setImage(QImage());
        QCOMPARE(idChanged.count(), 1);
    }

    void destroyedPictureLeavesStore()
    {
        QuickInMemoryImageProvider provider;
        const int before = provider.imagesCount();
        QString id;
        {
            Picture picture;
            picture.setImage(filled(Qt::yellow));
            id = picture.id();
            QCOMPARE(provider.imagesCount(), before + 1);
        }
        QCOMPARE(provider.imagesCount(), before);
        QVERIFY(provider.requestImage(id, nullptr, QSize()).isNull());
    }

    void saveQuality_data()
    {
        QTest::addColumn<QVariant>("quality");
        QTest::addColumn<bool>("likeDefault");
        QTest::newRow("zero") << QVariant(0) << true;
        QTest::newRow("too high") << QVariant(150) << true;
        QTest::newRow("not a number") << QVariant("best") << true;
        QTest::newRow("none") << QVariant() << true;
        QTest::newRow("ten") << QVariant(10) << false;
    }
    void saveQuality()
    {
        QFETCH(QVariant, quality);
        QFETCH(bool, likeDefault);
        QTemporaryDir dir;
        QImage noisy(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                noisy.setPixel(x, y, qRgb((x * 37) % 256, (y * 91) % 256, (x * y) % 256));
        Picture picture;
        picture.setImage(noisy);
        const QUrl reference = QUrl::fromLocalFile(dir.filePath("reference.jpg"));
        const QUrl saved = QUrl::fromLocalFile(dir.filePath("saved.jpg"));
        QVERIFY(picture.saveTo(reference, Picture::defaultQuality));
        QVERIFY(picture.saveTo(saved, quality));
        QFile a(reference.toLocalFile());
        QFile b(saved.toLocalFile());
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll() == b.readAll(), likeDefault);
    }

    void installOnKeepsExistingProvider()
    {
        QQmlEngine engine;
        QuickInMemoryImageProvider::installOn(&engine);
        QQmlImageProviderBase *installed = engine.imageProvider("memory-image");
        QVERIFY(installed);
        QuickInMemoryImageProvider::installOn(&engine);
        QCOMPARE(engine.imageProvider("memory-image"), installed);
    }
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
