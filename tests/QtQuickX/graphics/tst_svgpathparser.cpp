#include "PathTestHelpers.h"

#include <SvgPathParser.h>

#include <QPainterPath>
#include <QtTest>

#include <limits>
#include <memory>

class TestSvgPathParser : public QObject
{
    Q_OBJECT
private slots:
    void grammar_data();
    void grammar();
    void numbers_data();
    void numbers();
    void arcs_data();
    void arcs();
    void rotatedArcIsTheArcRotated_data();
    void rotatedArcIsTheArcRotated();
    void illConditionedArcsStayFinite_data();
    void illConditionedArcsStayFinite();
    void neverReadsPastTheView();
    void largeInputIsReadWhole();
};

void TestSvgPathParser::grammar_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("complete");

    QTest::newRow("empty") << ""
                           << "" << true;
    QTest::newRow("only white space") << " \t\r\n"
                                      << "" << true;
    QTest::newRow("implicit line-tos after M") << "M10 20 30 40 50,60"
                                               << "M 10 20 L 30 40 L 50 60" << true;
    QTest::newRow("implicit line-tos after m are relative") << "m10 20 30 40"
                                                            << "M 10 20 L 40 60" << true;
    QTest::newRow("exponents") << "M1e2-2E-1 L1.5e+1,.5e1"
                               << "M 100 -0.2 L 15 5" << true;
    QTest::newRow("sign separates numbers") << "M10-20L-5.5-3"
                                            << "M 10 -20 L -5.5 -3" << true;
    QTest::newRow("dot separates numbers") << "M.5.5L1.25.75"
                                           << "M 0.5 0.5 L 1.25 0.75" << true;
    QTest::newRow("trailing point") << "M1. 2."
                                    << "M 1 2" << true;
    QTest::newRow("long mantissa") << "M0.1234567890123456789012 0000000000000000000000001"
                                   << "M 0.123 1" << true;
    QTest::newRow("horizontal and vertical") << "M0 0H10V10h-5v-5"
                                             << "M 0 0 L 10 0 L 10 10 L 5 10 L 5 5" << true;
    QTest::newRow("relative after close starts at subpath start")
        << "M0 0L10 0z l5 5"
        << "M 0 0 L 10 0 L 0 0 M 0 0 L 5 5" << true;
    QTest::newRow("S reflects the previous C") << "M0 0C1 1 2 2 3 3S5 5 6 6"
                                               << "M 0 0 C 1 1 2 2 3 3 C 4 4 5 5 6 6" << true;
    QTest::newRow("S after a line uses the current point") << "M0 0L1 1S5 5 6 6"
                                                           << "M 0 0 L 1 1 C 1 1 5 5 6 6" << true;
    QTest::newRow("relative c and s") << "M1 1c1 0 2 0 2 1s1 1 2 1"
                                      << "M 1 1 C 2 1 3 1 3 2 C 3 3 4 3 5 3" << true;
    QTest::newRow("T reflects the previous Q")
        << "M0 0Q1 1 2 0T4 0"
        << "M 0 0 C 0.667 0.667 1.333 0.667 2 0 C 2.667 -0.667 3.333 -0.667 4 0" << true;
    QTest::newRow("T without a previous Q is a line-like quad") << "M0 0T3 0"
                                                                << "M 0 0 C 0 0 1 0 3 0" << true;
    QTest::newRow("bad command letter keeps what came before") << "M0 0 L10 10 X 5 5"
                                                               << "M 0 0 L 10 10" << false;
    QTest::newRow("incomplete coordinate pair") << "M0 0 L10"
                                                << "M 0 0" << false;
    QTest::newRow("must start with a move-to") << "L10 10"
                                               << "" << false;
    QTest::newRow("exponent without digits") << "M1e L2 2"
                                             << "" << false;
    QTest::newRow("overflowing number") << "M0 0L1e400 0"
                                        << "M 0 0" << false;
    QTest::newRow("underflowing number reads as zero") << "M1e-400 2"
                                                       << "M 0 2" << true;
    QTest::newRow("comma before a command") << "M0 0, L1 1"
                                            << "M 0 0" << false;
    QTest::newRow("double comma") << "M0,,0"
                                  << "" << false;
    QTest::newRow("numbers after close") << "M0 0L1 0Z5 5"
                                         << "M 0 0 L 1 0 L 0 0" << false;
    QTest::newRow("lone sign") << "M0 0L- 1"
                               << "M 0 0" << false;
    QTest::newRow("relative overflow stops") << "M9e127 0l9e127 0"
                                             << "M 9e+127 0" << false;
    // Long enough for the parser to reserve room in the path, which must not add an element.
    QTest::newRow("long text failing before its first segment")
        << QStringLiteral("M") + QString(80, QLatin1Char(' ')) + QStringLiteral("x") << "" << false;
    QTest::newRow("long white space") << QString(80, QLatin1Char(' ')) << "" << true;
}

void TestSvgPathParser::grammar()
{
    QFETCH(QString, data);
    QFETCH(QString, expected);
    QFETCH(bool, complete);

    QPainterPath path;
    QCOMPARE(SvgPathParser::parse(data, path), complete);
    QCOMPARE(describePath(path), expected);
}

void TestSvgPathParser::numbers_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text :
        { "0", "7", "-12.5", "+3.25", "0.1", "0.3", "123.456", "98765.4321", ".000123", "1e-7",
            "2.5E+3", "-0.000001", "9007199254740993", "3.141592653589793238462643383279",
            "0.000000000000000000000000012345", "12345678901234567890123", "1.7e100", "4.9e-300" })
        QTest::newRow(text) << QString::fromLatin1(text);
}

// Numbers read as the nearest double (within a unit in the last place for more digits than a
// double holds).
void TestSvgPathParser::numbers()
{
    QFETCH(QString, text);
    QPainterPath path;
    QVERIFY(SvgPathParser::parse(QStringLiteral("M") + text + QStringLiteral(" 0"), path));
    const double expected = text.toDouble();
    const double actual = path.elementAt(0).x;
    if (text.size() <= 17)
        QVERIFY2(actual == expected, qPrintable(QString::number(actual, 'g', 17)));
    else
        QVERIFY2(
            qAbs(actual - expected) <= 2 * std::numeric_limits<double>::epsilon() * qAbs(expected),
            qPrintable(QString::number(actual, 'g', 17)));
}

void TestSvgPathParser::arcs_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("expected");

    // A half circle of radius 5 in two quarter turns, above the x axis (y down).
    const QString halfCircle
        = QStringLiteral("M 0 0 C 0 -2.761 2.239 -5 5 -5 C 7.761 -5 10 -2.761 10 0");
    QTest::newRow("radii scaled up when too small") << "M0 0A1 1 0 0 1 10 0" << halfCircle;
    QTest::newRow("exact radii") << "M0 0A5 5 0 0 1 10 0" << halfCircle;
    QTest::newRow("negative radii are made positive") << "M0 0A-5 -5 0 0 1 10 0" << halfCircle;
    QTest::newRow("flags without separators") << "M0 0a5 5 0 0110 0" << halfCircle;
    QTest::newRow("sweep flag 0 goes the other way")
        << "M0 0A5 5 0 0 0 10 0"
        << "M 0 0 C 0 2.761 2.239 5 5 5 C 7.761 5 10 2.761 10 0";
    QTest::newRow("zero radius is a line") << "M0 0A0 5 0 0 1 10 0"
                                           << "M 0 0 L 10 0";
    QTest::newRow("same end point adds nothing") << "M5 5A5 5 0 0 1 5 5L6 6"
                                                 << "M 5 5 L 6 6";
    QTest::newRow("large arc of a quarter circle takes three quarters")
        << "M0 -5A5 5 0 1 1 -5 0"
        << "M 0 -5 C 2.761 -5 5 -2.761 5 0 C 5 2.761 2.761 5 0 5 C -2.761 5 -5 2.761 -5 0";
}

void TestSvgPathParser::arcs()
{
    QFETCH(QString, data);
    QFETCH(QString, expected);

    QPainterPath path;
    QVERIFY(SvgPathParser::parse(data, path));
    QCOMPARE(describePath(path), expected);
}

void TestSvgPathParser::rotatedArcIsTheArcRotated_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("largeArc");
    QTest::addColumn<bool>("sweep");
    QTest::addColumn<double>("radiusX");

    for (const double degrees : { 30.0, -75.0, 135.0, 200.0, 719.0 }) {
        for (const bool largeArc : { false, true }) {
            for (const bool sweep : { false, true }) {
                // Radii that reach the end point, and radii too small that are scaled up.
                for (const double radiusX : { 5.0, 2.0 }) {
                    QTest::addRow(
                        "%g degrees, large %d, sweep %d, rx %g", degrees, largeArc, sweep, radiusX)
                        << degrees << largeArc << sweep << radiusX;
                }
            }
        }
    }
}

// An arc whose ellipse is turned by some angle, between end points turned by the same angle, is
// the arc of the unturned ellipse turned as a whole.
void TestSvgPathParser::rotatedArcIsTheArcRotated()
{
    QFETCH(double, degrees);
    QFETCH(bool, largeArc);
    QFETCH(bool, sweep);
    QFETCH(double, radiusX);

    const QPointF start(1, -2);
    const QPointF end(9, 0);
    const auto arc = [&](double rotation, const QPointF &from, const QPointF &to) {
        QPainterPath path;
        const QString data = QStringLiteral("M%1 %2A%3 3 %4 %5 %6 %7 %8")
                                 .arg(from.x(), 0, 'g', 17)
                                 .arg(from.y(), 0, 'g', 17)
                                 .arg(radiusX)
                                 .arg(rotation, 0, 'g', 17)
                                 .arg(int(largeArc))
                                 .arg(int(sweep))
                                 .arg(to.x(), 0, 'g', 17)
                                 .arg(to.y(), 0, 'g', 17);
        if (!SvgPathParser::parse(data, path))
            qWarning() << "not read:" << data;
        return path;
    };
    QTransform turn;
    turn.rotate(degrees);
    const QPainterPath expected = turn.map(arc(0, start, end));
    const QPainterPath actual = arc(degrees, turn.map(start), turn.map(end));
    QCOMPARE(actual.elementCount(), expected.elementCount());
    QVERIFY(actual.elementCount() >= 4);
    for (int i = 0; i < actual.elementCount(); ++i) {
        const QPointF difference = QPointF(actual.elementAt(i)) - QPointF(expected.elementAt(i));
        QVERIFY2(qAbs(difference.x()) < 1e-9 && qAbs(difference.y()) < 1e-9,
            qPrintable(QStringLiteral("element %1").arg(i)));
    }
}

void TestSvgPathParser::illConditionedArcsStayFinite_data()
{
    QTest::addColumn<QString>("data");
    QTest::newRow("radii at both ends of the range") << "M0 0A1e308 1e-308 0 0 1 10 0";
    QTest::newRow("radii overflowing when squared") << "M0 0A1e200 1e200 45 1 0 1e100 -1e100";
    QTest::newRow("tiny radii") << "M0 0A1e-320 1e-320 0 0 1 1e100 1e100";
    QTest::newRow("huge rotation") << "M0 0A5 3 1e300 1 1 10 10";
}

void TestSvgPathParser::illConditionedArcsStayFinite()
{
    QFETCH(QString, data);
    QPainterPath path;
    QVERIFY(SvgPathParser::parse(data, path));
    QVERIFY(path.elementCount() >= 2);
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        QVERIFY2(qIsFinite(e.x) && qIsFinite(e.y), qPrintable(QString::number(i)));
    }
}

void TestSvgPathParser::neverReadsPastTheView()
{
    // The view ends inside a number; the characters after it must not be read.
    const QString text = QStringLiteral("M10 20L30 4099");
    QPainterPath path;
    QVERIFY(SvgPathParser::parse(QStringView(text).left(text.size() - 2), path));
    QCOMPARE(describePath(path), QStringLiteral("M 10 20 L 30 40"));

    // An exactly sized buffer without terminator: the sanitizer build catches over-reads.
    const QString cut = QStringLiteral("M1 2a3 4 5 1 0 6e");
    std::unique_ptr<QChar[]> exact(new QChar[cut.size()]);
    std::copy(cut.begin(), cut.end(), exact.get());
    QPainterPath partial;
    QVERIFY(!SvgPathParser::parse(QStringView(exact.get(), cut.size()), partial));
    QCOMPARE(describePath(partial), QStringLiteral("M 1 2"));
}

void TestSvgPathParser::largeInputIsReadWhole()
{
    QString data = QStringLiteral("M0 0");
    for (int i = 0; i < 50000; ++i)
        data += QStringLiteral("l1 1");
    QPainterPath path;
    QVERIFY(SvgPathParser::parse(data, path));
    QCOMPARE(path.elementCount(), 50001);
    QCOMPARE(path.currentPosition(), QPointF(50000, 50000));
}

QTEST_GUILESS_MAIN(TestSvgPathParser)
#include "tst_svgpathparser.moc"
