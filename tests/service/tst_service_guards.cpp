// The service's small guards on their own: the delays of failed logins and the scan for lone
// surrogates in JSON text.
#include "JsonText.h"
#include "LoginThrottle.h"

#include <QtTest>

using service::JsonText;
using service::LoginThrottle;

class ServiceGuardsTest : public QObject
{
    Q_OBJECT

private slots:
    void delayDoublesUpToFiveMinutes();
    void successClearsNameAndAddress();
    void namesAreComparedWithoutCase();
    void loneSurrogates_data();
    void loneSurrogates();
};

void ServiceGuardsTest::delayDoublesUpToFiveMinutes()
{
    LoginThrottle throttle;
    const QString name = QStringLiteral("a@example.com");
    const QString address = QStringLiteral("10.0.0.1");
    // The first failures are free: typing errors cost nothing.
    for (int i = 0; i < LoginThrottle::freeFailuresPerName; ++i)
        throttle.failed(name, address, 1000);
    QCOMPARE(throttle.waitMs(name, address, 1000), qint64(0));
    qint64 now = 1000;
    qint64 expected = 1000;
    for (int i = 0; i < 12; ++i) {
        throttle.failed(name, address, now);
        QCOMPARE(throttle.waitMs(name, address, now), expected);
        // The same name from another address is not held back by the flood.
        QCOMPARE(throttle.waitMs(name, QStringLiteral("10.2.0.1"), now), qint64(0));
        now += expected;
        QCOMPARE(throttle.waitMs(name, address, now), qint64(0));
        expected = std::min<qint64>(expected * 2, LoginThrottle::longestDelayMs);
    }
    QCOMPARE(expected, LoginThrottle::longestDelayMs);
}

void ServiceGuardsTest::successClearsNameAndAddress()
{
    LoginThrottle throttle;
    const QString address = QStringLiteral("192.0.2.7");
    for (int i = 0; i <= LoginThrottle::freeFailuresPerAddress; ++i)
        throttle.failed(QStringLiteral("n%1@example.com").arg(i), address, 5000);
    QVERIFY(throttle.waitMs(QStringLiteral("other@example.com"), address, 5000) > 0);
    throttle.succeeded(QStringLiteral("other@example.com"), address);
    QCOMPARE(throttle.waitMs(QStringLiteral("other@example.com"), address, 5000), qint64(0));
}

void ServiceGuardsTest::namesAreComparedWithoutCase()
{
    LoginThrottle throttle;
    for (int i = 0; i <= LoginThrottle::freeFailuresPerName; ++i)
        throttle.failed(QStringLiteral("Admin@Example.com"), QStringLiteral("10.9.0.1"), 0);
    QVERIFY(
        throttle.waitMs(QStringLiteral("admin@example.com"), QStringLiteral("10.9.0.1"), 0) > 0);
}

void ServiceGuardsTest::loneSurrogates_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("lone");
    QTest::newRow("plain") << QByteArray(R"({"n":"abc"})") << false;
    QTest::newRow("pair") << QByteArray(R"({"n":"\ud83d\ude00"})") << false;
    QTest::newRow("pair in capitals") << QByteArray(R"({"n":"\uD83D\uDE00"})") << false;
    QTest::newRow("high alone") << QByteArray(R"({"n":"\ud83dx"})") << true;
    QTest::newRow("high at the end") << QByteArray(R"({"n":"\ud83d"})") << true;
    QTest::newRow("low alone") << QByteArray(R"({"n":"\ude00"})") << true;
    QTest::newRow("two highs") << QByteArray(R"({"n":"\ud83d\ud83d"})") << true;
    QTest::newRow("in a key") << QByteArray(R"({"\udc00":1})") << true;
    QTest::newRow("escaped backslash") << QByteArray(R"({"n":"\\ud800"})") << false;
    QTest::newRow("escaped quote") << QByteArray(R"({"n":"\"\ud800"})") << true;
    QTest::newRow("outside strings") << QByteArray(R"({"n":1} \ud800)") << false;
    QTest::newRow("cut short") << QByteArray(R"({"n":"\ud8)") << false;
}

void ServiceGuardsTest::loneSurrogates()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, lone);
    QCOMPARE(JsonText::hasLoneSurrogate(json), lone);
}

QTEST_GUILESS_MAIN(ServiceGuardsTest)
#include "tst_service_guards.moc"
