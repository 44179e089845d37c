#include <SvgPathScanner.h>

#include <QtTest>

#include <cmath>
#include <random>

namespace {
// Far enough from the end for the scanner's wide reading.
const QString farFromTheEnd(48, QLatin1Char(' '));

// Qt's conversion rounds correctly and ignores the process locale.
double correctlyRounded(const QString &number)
{
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        qWarning() << "reference conversion failed for" << number;
    return value;
}

bool sameDouble(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}
} // namespace

class TestSvgPathScanner : public QObject
{
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void randomNumbersAreCorrectlyRounded();
    void separators_data();
    void separators();
    void charactersBeyondLatin1AreNoTokens_data();
    void charactersBeyondLatin1AreNoTokens();
};

void TestSvgPathScanner::numbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<bool>("farFromEnd");

    // The numbers the wide reading takes, those at the edges of what it takes, and those it
    // leaves to the character-by-character reading; each far from the end and at the end.
    const char *const numbers[] = { "0", "-0", "+7", "1234567", "12345678", "123456789",
        "1234567.1234567", "1234567.12345678", "-9999999.9999999", "0.1", "0.3", "-.5", "5.",
        "0.0000001", "4503599627370497.5", "9007199254740993", "1e5", "2.5E-3", "7.0000001e+2",
        "0.30000000000000004", "123.456", "98.7", "-54.321" };
    for (const char *number : numbers) {
        for (const bool far : { true, false }) {
            QTest::addRow("%s %s", number, far ? "far from the end" : "at the end")
                << QString::fromLatin1(number) << QString() << far;
        }
    }
    QTest::newRow("dot ends the fraction") << "1.5"
                                           << ".5" << true;
    QTest::newRow("sign ends the number") << "-12.25"
                                          << "-3" << true;
    QTest::newRow("e without digits is not part of it") << "12"
                                                        << "e" << true;
    QTest::newRow("letter ends the number") << "3.5"
                                            << "L" << true;
}

void TestSvgPathScanner::numbers()
{
    QFETCH(QString, number);
    QFETCH(QString, rest);
    QFETCH(bool, farFromEnd);

    const QString text = number + rest + (farFromEnd ? farFromTheEnd : QString());
    SvgPathScanner scanner(text);
    double value = 0;
    QVERIFY(scanner.readNumber(value));
    QVERIFY2(
        sameDouble(value, correctlyRounded(number)), qPrintable(QString::number(value, 'g', 17)));
    if (rest.isEmpty()) {
        scanner.skipWhitespace();
        QVERIFY(scanner.atEnd());
    } else {
        QCOMPARE(scanner.peek(), rest.at(0).unicode());
    }
}

// Numbers of every shape the grammar allows, separated in every usual way, so that their ends
// fall at every place of the scanner's window.
void TestSvgPathScanner::randomNumbersAreCorrectlyRounded()
{
    std::mt19937 random(20261207);
    const auto below = [&random](int n) {
        return int(random() % unsigned(n));
    };
    const auto digits = [&](int count) {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QLatin1Char(char('0' + below(10)));
        return text;
    };
    static const char *const separators[] = { " ", ",", ", ", " ,", " , ", "\n", "\t ", "  " };
    QStringList numbers;
    QString text;
    for (int i = 0; i < 20000; ++i) {
        QString number = below(3) == 0 ? QStringLiteral("-") : QString();
        const int whole = below(10);
        const int fraction = below(10);
        number += digits(whole);
        if (whole == 0 || fraction > 0 || below(4) == 0)
            number += QLatin1Char('.') + digits(qMax(fraction, whole == 0 ? 1 : 0));
        if (below(10) == 0)
            number += QStringLiteral("e") + QString::number(below(40) - 20);
        if (i > 0)
            text += QLatin1String(separators[below(8)]);
        text += number;
        numbers << number;
    }

    SvgPathScanner scanner(text);
    for (int i = 0; i < numbers.size(); ++i) {
        double value = 0;
        QVERIFY2(i == 0 ? scanner.readNumber(value) : scanner.readSeparatedNumber(value),
            qPrintable(numbers.at(i)));
        QVERIFY2(sameDouble(value, correctlyRounded(numbers.at(i))),
            qPrintable(
                numbers.at(i) + QStringLiteral(" read as ") + QString::number(value, 'g', 17)));
    }
    QVERIFY(scanner.atEnd());
}

void TestSvgPathScanner::separators_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("valid");

    QTest::newRow("space") << " " << true;
    QTest::newRow("comma") << "," << true;
    QTest::newRow("comma and space") << ", " << true;
    QTest::newRow("space and comma") << " ," << true;
    QTest::newRow("spaces around a comma") << "  ,\t\n " << true;
    QTest::newRow("many spaces") << "     " << true;
    QTest::newRow("line breaks") << "\r\n" << true;
    QTest::newRow("none before a sign") << "" << true;
    QTest::newRow("two commas") << ",," << false;
    QTest::newRow("two commas apart") << ", ," << false;
}

void TestSvgPathScanner::separators()
{
    QFETCH(QString, separator);
    QFETCH(bool, valid);

    for (const bool far : { true, false }) {
        const QString text = QStringLiteral("1") + separator + QStringLiteral("-2.5")
            + (far ? farFromTheEnd : QString());
        SvgPathScanner scanner(text);
        double first = 0;
        double second = 0;
        QVERIFY(scanner.readNumber(first));
        QCOMPARE(scanner.readSeparatedNumber(second), valid);
        if (valid)
            QCOMPARE(second, -2.5);
    }
}

void TestSvgPathScanner::charactersBeyondLatin1AreNoTokens_data()
{
    QTest::addColumn<QChar>("character");

    // Each has the code of a token character in its low byte, or is a digit of another script.
    QTest::newRow("U+0131 (low byte '1')") << QChar(0x0131);
    QTest::newRow("U+0130 (low byte '0')") << QChar(0x0130);
    QTest::newRow("U+012E (low byte '.')") << QChar(0x012E);
    QTest::newRow("U+0165 (low byte 'e')") << QChar(0x0165);
    QTest::newRow("U+0120 (low byte space)") << QChar(0x0120);
    QTest::newRow("U+012C (low byte ',')") << QChar(0x012C);
    QTest::newRow("U+8031 (high bit, low byte '1')") << QChar(0x8031);
    QTest::newRow("U+0661 (Arabic-Indic one)") << QChar(0x0661);
    QTest::newRow("U+FF11 (fullwidth one)") << QChar(0xFF11);
}

void TestSvgPathScanner::charactersBeyondLatin1AreNoTokens()
{
    QFETCH(QChar, character);

    for (const bool far : { true, false }) {
        const QString tail = far ? farFromTheEnd : QString();
        // Ends a number.
        QString text = QStringLiteral("12") + character + QStringLiteral("5") + tail;
        SvgPathScanner scanner(text);
        double value = 0;
        QVERIFY(scanner.readNumber(value));
        QCOMPARE(value, 12.0);
        QCOMPARE(scanner.peek(), character.unicode());

        // Neither a separator nor a number.
        text = QStringLiteral("1") + character + QStringLiteral("2") + tail;
        SvgPathScanner separated(text);
        QVERIFY(separated.readNumber(value));
        QVERIFY(!separated.readSeparatedNumber(value));
    }
}

QTEST_GUILESS_MAIN(TestSvgPathScanner)
#include "tst_svgpathscanner.moc"
