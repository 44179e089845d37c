#include "UiSizes.h"

#include <QtTest>

class UiSizesTest : public QObject
{
    Q_OBJECT
private slots:
    void density_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<qreal>("dpi");
        QTest::addColumn<int>("density");
        QTest::newRow("9pt at 96 dpi") << -1 << 9.0 << 96.0 << int(UiSizes::MDpi);
        QTest::newRow("12pt at 96 dpi") << -1 << 12.0 << 96.0 << int(UiSizes::HDpi);
        QTest::newRow("pixel size only") << 18 << -1.0 << 96.0 << int(UiSizes::HDpi);
        QTest::newRow("tiny") << 2 << -1.0 << 96.0 << int(UiSizes::LDpi);
        QTest::newRow("huge") << 400 << -1.0 << 96.0 << int(UiSizes::XXXHDpi);
    }
    void density()
    {
        QFETCH(int, pixelSize);
        QFETCH(qreal, pointSize);
        QFETCH(qreal, dpi);
        QFETCH(int, density);
        QCOMPARE(int(UiSizes::chooseDensity(pixelSize, pointSize, dpi)), density);
    }

    void tieBetweenNeighboursStaysLower()
    {
        // sqrt(12 * 18) lies exactly between MDpi (12) and HDpi (18) on a log scale.
        QCOMPARE(UiSizes::densityForPixelSize(std::sqrt(12.0 * 18.0) - 1e-9), UiSizes::MDpi);
        QCOMPARE(UiSizes::densityForPixelSize(std::sqrt(12.0 * 18.0) + 1e-9), UiSizes::HDpi);
    }

    void sizesForMDpi()
    {
        UiSizes sizes(UiSizes::MDpi);
        QCOMPARE(sizes.property("textNormal").toInt(), 12);
        QCOMPARE(sizes.property("pressable").toInt(), 32);
        QCOMPARE(sizes.property("halfSpacing").toInt(), 2);
        QCOMPARE(sizes.property("evenSpacing").toInt(), 4);
        QCOMPARE(sizes.uiScaleFactor(), 67);
    }

    void sizesForHDpi()
    {
        UiSizes sizes(UiSizes::HDpi);
        QCOMPARE(sizes.property("textNormal").toInt(), 18);
        QCOMPARE(sizes.property("unit").toInt(), 72);
        QCOMPARE(sizes.property("line").toInt(), 1);
        QCOMPARE(sizes.uiScaleFactor(), 100);
    }

    void halfSpacingNeverBelowOne()
    {
        UiSizes sizes(UiSizes::LDpi);
        QCOMPARE(sizes.property("halfSpacing").toInt(), 2); // near(1.5) rounds away from zero
        QCOMPARE(sizes.property("elevation").toInt(), 1); // near(0.75)
        QCOMPARE(sizes.uiScaleFactor(), 50);
    }
};

QTEST_GUILESS_MAIN(UiSizesTest)
#include "tst_uisizes.moc"
