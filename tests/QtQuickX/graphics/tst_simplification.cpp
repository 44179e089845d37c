#include "PathTestHelpers.h"

#include <BuildContext.h>
#include <PolylineSimplifier.h>
#include <RectanglePath.h>
#include <SimplifyPath.h>
#include <SvgPath.h>

#include <QPainterPath>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

#include <functional>

using Simplify = std::function<QPolygonF(const QPolygonF &)>;
Q_DECLARE_METATYPE(Simplify)

namespace {

QPolygonF points(std::initializer_list<QPointF> list)
{
    return QPolygonF(QVector<QPointF>(list));
}

QPolygonF collinear(int count)
{
    QPolygonF points;
    for (int i = 0; i < count; ++i)
        points << QPointF(i, 0);
    return points;
}

QPolygonF wobbly(int count)
{
    QPolygonF points;
    for (int i = 0; i < count; ++i)
        points << QPointF(i * 0.7, (i % 3) * 0.4 - (i % 5) * 0.3);
    return points;
}

} // namespace

class TestSimplification : public QObject
{
    Q_OBJECT
private slots:
    void zeroToleranceCopies_data();
    void zeroToleranceCopies();
    void examples_data();
    void examples();
    void endsAreAlwaysKept_data();
    void endsAreAlwaysKept();
    void douglasPeuckerMatchesAPlainScan_data();
    void douglasPeuckerMatchesAPlainScan();
    void element_data();
    void element();
    void propertyChangesInvalidate();
};

void TestSimplification::zeroToleranceCopies_data()
{
    QTest::addColumn<Simplify>("simplify");
    using P = PolylineSimplifier;
    QTest::newRow("radial") << Simplify([](auto &p) { return P::radialDistance(p, 0); });
    QTest::newRow("perpendicular")
        << Simplify([](auto &p) { return P::perpendicularDistance(p, 0, 3); });
    QTest::newRow("perpendicular without passes")
        << Simplify([](auto &p) { return P::perpendicularDistance(p, 5, 0); });
    QTest::newRow("reumann-witkam")
        << Simplify([](auto &p) { return P::reumannWitkam(p, 0, false); });
    QTest::newRow("opheim min 0") << Simplify([](auto &p) { return P::opheim(p, 0, 5); });
    QTest::newRow("opheim max 0") << Simplify([](auto &p) { return P::opheim(p, 5, 0); });
    QTest::newRow("douglas-peucker") << Simplify([](auto &p) { return P::douglasPeucker(p, 0); });
    QTest::newRow("douglas-peucker n above count")
        << Simplify([](auto &p) { return P::douglasPeuckerN(p, 1000); });
    QTest::newRow("douglas-peucker n below 2")
        << Simplify([](auto &p) { return P::douglasPeuckerN(p, 1); });
}

void TestSimplification::zeroToleranceCopies()
{
    QFETCH(Simplify, simplify);
    const QPolygonF input = wobbly(40);
    QCOMPARE(simplify(input), input);
    const QPolygonF two = points({ QPointF(0, 0), QPointF(1, 1) });
    QCOMPARE(simplify(two), two);
}

void TestSimplification::examples_data()
{
    QTest::addColumn<Simplify>("simplify");
    QTest::addColumn<QPolygonF>("input");
    QTest::addColumn<QPolygonF>("expected");
    using P = PolylineSimplifier;

    QTest::newRow("reumann-witkam straightens a line")
        << Simplify([](auto &p) { return P::reumannWitkam(p, 0.1, false); }) << collinear(100)
        << points({ QPointF(0, 0), QPointF(99, 0) });

    QPolygonF everyOther;
    for (int i = 0; i < 100; i += 2)
        everyOther << QPointF(i, 0);
    everyOther << QPointF(99, 0);
    QTest::newRow("one perpendicular pass keeps every other point")
        << Simplify([](auto &p) { return P::perpendicularDistance(p, 0.5, 1); }) << collinear(100)
        << everyOther;
    QTest::newRow("perpendicular passes converge to the ends")
        << Simplify([](auto &p) { return P::perpendicularDistance(p, 0.5, 10); }) << collinear(100)
        << points({ QPointF(0, 0), QPointF(99, 0) });
    QTest::newRow("perpendicular keeps a corner")
        << Simplify([](auto &p) { return P::perpendicularDistance(p, 0.5, 10); })
        << points({ QPointF(0, 0), QPointF(5, 0), QPointF(5, 5) })
        << points({ QPointF(0, 0), QPointF(5, 0), QPointF(5, 5) });

    QTest::newRow("douglas-peucker n of 2 keeps the ends")
        << Simplify([](auto &p) { return P::douglasPeuckerN(p, 2); }) << wobbly(30)
        << points({ QPointF(0, 0), wobbly(30).last() });
    QTest::newRow("douglas-peucker n takes the farthest first")
        << Simplify([](auto &p) { return P::douglasPeuckerN(p, 3); })
        << points({ QPointF(0, 0), QPointF(5, 1), QPointF(10, 4), QPointF(20, 0) })
        << points({ QPointF(0, 0), QPointF(10, 4), QPointF(20, 0) });

    QTest::newRow("radial distance")
        << Simplify([](auto &p) { return P::radialDistance(p, 1); })
        << points({ QPointF(0, 0), QPointF(0.5, 0), QPointF(1, 0), QPointF(1.2, 0), QPointF(3, 0) })
        << points({ QPointF(0, 0), QPointF(1, 0), QPointF(3, 0) });

    QTest::newRow("douglas-peucker")
        << Simplify([](auto &p) { return P::douglasPeucker(p, 1); })
        << points(
               { QPointF(0, 0), QPointF(5, 0.5), QPointF(10, 0), QPointF(15, 3), QPointF(20, 0) })
        << points({ QPointF(0, 0), QPointF(10, 0), QPointF(15, 3), QPointF(20, 0) });

    const QPolygonF backAndForth
        = points({ QPointF(0, 0), QPointF(5, 0), QPointF(2, 0), QPointF(8, 0) });
    QTest::newRow("reumann-witkam ignores reversals")
        << Simplify([](auto &p) { return P::reumannWitkam(p, 0.1, false); }) << backAndForth
        << points({ QPointF(0, 0), QPointF(8, 0) });
    QTest::newRow("modified reumann-witkam keeps reversals")
        << Simplify([](auto &p) { return P::reumannWitkam(p, 0.1, true); }) << backAndForth
        << backAndForth;

    QPolygonF opheimLine;
    for (int i = 0; i <= 90; i += 9)
        opheimLine << QPointF(i, 0);
    opheimLine << QPointF(99, 0);
    QTest::newRow("opheim bounds a segment by the maximum tolerance")
        << Simplify([](auto &p) { return P::opheim(p, 0.5, 10); }) << collinear(100) << opheimLine;
    QTest::newRow("opheim follows a corner")
        << Simplify([](auto &p) { return P::opheim(p, 0.5, 100); })
        << points({ QPointF(0, 0), QPointF(1, 0), QPointF(2, 0), QPointF(3, 0), QPointF(3, 1),
               QPointF(3, 2), QPointF(3, 3) })
        << points({ QPointF(0, 0), QPointF(3, 0), QPointF(3, 3) });

    QTest::newRow("nth point keeps the last")
        << Simplify([](auto &p) { return P::nthPoint(p, 3); }) << collinear(11)
        << points({ QPointF(0, 0), QPointF(3, 0), QPointF(6, 0), QPointF(9, 0), QPointF(10, 0) });
    QTest::newRow("nth point without a duplicate last")
        << Simplify([](auto &p) { return P::nthPoint(p, 3); }) << collinear(10)
        << points({ QPointF(0, 0), QPointF(3, 0), QPointF(6, 0), QPointF(9, 0) });
    QTest::newRow("nth point steps at least by 2")
        << Simplify([](auto &p) { return P::nthPoint(p, 1); }) << collinear(5)
        << points({ QPointF(0, 0), QPointF(2, 0), QPointF(4, 0) });
}

void TestSimplification::examples()
{
    QFETCH(Simplify, simplify);
    QFETCH(QPolygonF, input);
    QFETCH(QPolygonF, expected);
    QCOMPARE(simplify(input), expected);
}

void TestSimplification::endsAreAlwaysKept_data()
{
    QTest::addColumn<int>("algorithm");
    for (int algorithm = SimplifyPath::NthPoint; algorithm <= SimplifyPath::DouglasPeuckerN;
         ++algorithm)
        QTest::newRow(QMetaEnum::fromType<SimplifyPath::Algorithm>().valueToKey(algorithm))
            << algorithm;
}

void TestSimplification::endsAreAlwaysKept()
{
    QFETCH(int, algorithm);
    SimplifyPath simplify;
    simplify.setAlgorithm(SimplifyPath::Algorithm(algorithm));
    simplify.setTolerance(2);
    simplify.setMaxTolerance(6);
    simplify.setRepeats(4);
    const QPolygonF input = wobbly(200);
    const QPolygonF output = simplify.simplified(input);
    QVERIFY(output.size() >= 2);
    QVERIFY(output.size() < input.size());
    QCOMPARE(output.first(), input.first());
    QCOMPARE(output.last(), input.last());
    for (const QPointF &point : output)
        QVERIFY(input.contains(point));
}

void TestSimplification::douglasPeuckerMatchesAPlainScan_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<bool>("closed");
    QTest::newRow("fine") << 1 << 1.37 << false;
    QTest::newRow("coarse") << 2 << 6.1 << false;
    QTest::newRow("closed polygon") << 3 << 2.3 << true;
}

// The vectorised search must pick the same points as a sequential scan. Integer coordinates keep
// the reference arithmetic exact.
void TestSimplification::douglasPeuckerMatchesAPlainScan()
{
    QFETCH(int, seed);
    QFETCH(double, tolerance);
    QFETCH(bool, closed);

    QRandomGenerator random { quint32(seed) };
    QPolygonF walk;
    int x = 0, y = 0;
    for (int i = 0; i < 5000; ++i) {
        walk << QPointF(x, y);
        x += random.bounded(-3, 5);
        y += random.bounded(-4, 4);
    }
    if (closed)
        walk << walk.first();

    const double squared = tolerance * tolerance;
    QPolygonF reduced = points({ walk.first() });
    for (int i = 1; i < walk.size() - 1; ++i) {
        const QPointF d = walk.at(i) - reduced.last();
        if (QPointF::dotProduct(d, d) >= squared)
            reduced << walk.at(i);
    }
    reduced << walk.last();

    QVector<bool> kept(reduced.size(), false);
    kept.first() = kept.last() = true;
    QVector<QPair<int, int>> spans = { { 0, reduced.size() - 1 } };
    while (!spans.isEmpty()) {
        const auto [first, last] = spans.takeLast();
        const QPointF a = reduced.at(first), b = reduced.at(last);
        int farthest = -1;
        double maximum = -1;
        for (int i = first + 1; i < last; ++i) {
            const QPointF p = reduced.at(i) - a, d = b - a;
            const double length = QPointF::dotProduct(d, d);
            const double dot = QPointF::dotProduct(p, d);
            double distance;
            if (length == 0 || dot <= 0)
                distance = QPointF::dotProduct(p, p);
            else if (dot >= length)
                distance = QPointF::dotProduct(p - d, p - d);
            else
                distance = std::pow(p.x() * d.y() - p.y() * d.x(), 2) / length;
            if (distance > maximum) {
                maximum = distance;
                farthest = i;
            }
        }
        if (farthest > 0 && maximum >= squared) {
            kept[farthest] = true;
            spans << qMakePair(first, farthest) << qMakePair(farthest, last);
        }
    }
    QPolygonF expected;
    for (int i = 0; i < reduced.size(); ++i) {
        if (kept.at(i))
            expected << reduced.at(i);
    }

    const QPolygonF actual = PolylineSimplifier::douglasPeucker(walk, tolerance);
    QVERIFY(expected.size() > 50);
    QCOMPARE(actual, expected);
}

void TestSimplification::element_data()
{
    QTest::addColumn<int>("algorithm");
    QTest::addColumn<int>("subpaths");
    QTest::addColumn<QRectF>("bounds");

    const QRectF both(0, 0, 15, 15);
    QTest::newRow("point algorithm on sub-paths") << int(SimplifyPath::RadialDistance) << 2 << both;
    QTest::newRow("point algorithm on merged fills")
        << int(SimplifyPath::RadialDistance | SimplifyPath::OnFills) << 1 << both;
    QTest::newRow("generic merges overlaps") << int(SimplifyPath::Generic) << 1 << both;
    QTest::newRow("nth point keeps the polygons") << int(SimplifyPath::NthPoint) << 2 << both;
    QTest::newRow("unknown algorithm adds nothing") << 9 << 0 << QRectF();
}

void TestSimplification::element()
{
    QFETCH(int, algorithm);
    QFETCH(int, subpaths);
    QFETCH(QRectF, bounds);

    SimplifyPath simplify;
    simplify.setAlgorithm(SimplifyPath::Algorithm(algorithm));
    simplify.setTolerance(0.5);
    for (const QRectF &rect : { QRectF(0, 0, 10, 10), QRectF(5, 5, 10, 10) }) {
        auto *child = new RectanglePath(&simplify);
        child->setRect(rect);
        simplify.appendPath(child);
    }
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Path simplified:  10 -> \\d+ \\d+ %$"));
    const QPainterPath path = buildTree(simplify);
    QCOMPARE(subpathCount(path), subpaths);
    QCOMPARE(path.boundingRect(), bounds);
}

void TestSimplification::propertyChangesInvalidate()
{
    SimplifyPath simplify;
    QSignalSpy invalidated(&simplify, &PainterPathElement::invalidated);
    simplify.setTolerance(3);
    simplify.setRepeats(2);
    QCOMPARE(invalidated.count(), 1);
    simplify.validate();
    simplify.setAlgorithm(SimplifyPath::Opheim);
    QCOMPARE(invalidated.count(), 2);
    simplify.validate();
    simplify.setMaxTolerance(4);
    QCOMPARE(invalidated.count(), 3);
}

QTEST_GUILESS_MAIN(TestSimplification)
#include "tst_simplification.moc"
