#include "DateTimeOffset.h"
#include "QmlDateTimeOffsetFactory.h"

#include <QJSEngine>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class DateTimeOffsetTest : public QObject
{
    Q_OBJECT
private:
    QmlDateTimeOffsetFactory factory;

    static QVariantMap wireObject(const QString &dateTime, int offsetMinutes)
    {
        return { { QStringLiteral("DateTime"), dateTime },
            { QStringLiteral("OffsetMinutes"), offsetMinutes } };
    }

private slots:
    void initTestCase()
    {
        // A zone with daylight saving, so fixed-length days can be told from calendar days.
        qputenv("TZ", "Europe/Berlin");
        qRegisterMetaType<DateTimeOffset>("DateTimeOffset");
        DateTimeOffset::registerStringConverters();
    }

    void parseWireMilliseconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("milliseconds");
        QTest::newRow("epoch") << "/Date(0)/" << true << qint64(0);
        QTest::newRow("positive") << "/Date(1600000000123)/" << true << qint64(1600000000123);
        QTest::newRow("negative") << "/Date(-86400000)/" << true << qint64(-86400000);
        QTest::newRow("plus sign") << "/Date(+5)/" << true << qint64(5);
        QTest::newRow("max") << "/Date(9223372036854775807)/" << true
                             << std::numeric_limits<qint64>::max();
        QTest::newRow("min") << "/Date(-9223372036854775808)/" << true
                             << std::numeric_limits<qint64>::min();
        QTest::newRow("overflow") << "/Date(9223372036854775808)/" << false << qint64(0);
        QTest::newRow("huge") << "/Date(99999999999999999999999)/" << false << qint64(0);
        QTest::newRow("no digits") << "/Date()/" << false << qint64(0);
        QTest::newRow("sign only") << "/Date(-)/" << false << qint64(0);
        QTest::newRow("letters") << "/Date(12a4)/" << false << qint64(0);
        QTest::newRow("offset suffix") << "/Date(1000+0200)/" << false << qint64(0);
        QTest::newRow("space") << "/Date( 1)/" << false << qint64(0);
        QTest::newRow("lower case") << "/date(1)/" << false << qint64(0);
        QTest::newRow("unterminated") << "/Date(1)" << false << qint64(0);
        QTest::newRow("iso text") << "2020-01-01T00:00:00Z" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("arabic digit")
            << QString("/Date(1") + QChar(0x0663) + ")/" << false << qint64(0);
    }
    void parseWireMilliseconds()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, milliseconds);
        qint64 parsed = -42;
        QCOMPARE(DateTimeOffset::parseWireMilliseconds(text, &parsed), ok);
        if (ok)
            QCOMPARE(parsed, milliseconds);
        else
            QCOMPARE(parsed, qint64(-42));
    }

    void ofWireObjectRoundTrips_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<int>("offsetMinutes");
        QTest::addColumn<QString>("iso");
        QTest::newRow("epoch +02:00") << qint64(0) << 120 << "1970-01-01T02:00:00+02:00";
        QTest::newRow("utc") << qint64(1600000000000) << 0 << "2020-09-13T12:26:40Z";
        QTest::newRow("-05:30") << qint64(1600000000000) << -330 << "2020-09-13T06:56:40-05:30";
        QTest::newRow("before epoch") << qint64(-3600000) << 60 << "1970-01-01T00:00:00+01:00";
    }
    void ofWireObjectRoundTrips()
    {
        QFETCH(qint64, milliseconds);
        QFETCH(int, offsetMinutes);
        QFETCH(QString, iso);
        const QString wire = QStringLiteral("/Date(%1)/").arg(milliseconds);
        const QVariantMap map = wireObject(wire, offsetMinutes);

        const DateTimeOffset fromMap = factory.of(map);
        QVERIFY(fromMap.isValid());
        QCOMPARE(fromMap.toString(), iso);
        QCOMPARE(fromMap.value().toMSecsSinceEpoch(), milliseconds);
        QCOMPARE(fromMap.value().offsetFromUtc(), offsetMinutes * 60);

        const QJsonObject json = fromMap.jsonValue().toObject();
        QCOMPARE(json.value("DateTime").toString(), wire);
        QCOMPARE(json.value("OffsetMinutes").toInt(), offsetMinutes);
        QCOMPARE(json.size(), 2);

        // As it arrives from a parsed answer: QJsonObject, and its variant map.
        QCOMPARE(factory.of(QVariant(json)).toString(), iso);
        QCOMPARE(factory.of(QJsonDocument(json).toVariant()).toString(), iso);
    }

    void ofOtherValues()
    {
        // Script numbers arrive as doubles.
        QVariantMap doubleOffset = wireObject("/Date(0)/", 0);
        doubleOffset.insert("OffsetMinutes", 90.0);
        QCOMPARE(factory.of(doubleOffset).value().offsetFromUtc(), 5400);
        QVariantMap noOffset = wireObject("/Date(0)/", 0);
        noOffset.remove("OffsetMinutes");
        QCOMPARE(factory.of(noOffset).toString(), QStringLiteral("1970-01-01T00:00:00Z"));

        QJSEngine engine;
        const QJSValue script
            = engine.evaluate("({DateTime: '/Date(60000)/', OffsetMinutes: -60})");
        QCOMPARE(factory.of(QVariant::fromValue(script)).toString(),
            QStringLiteral("1969-12-31T23:01:00-01:00"));

        const QVariantMap isoInWire = wireObject("2020-01-01T00:00:00Z", 0);
        QVERIFY(!factory.of(isoInWire).isValid());
        QVERIFY(!factory.of(QVariantMap()).isValid());

        const DateTimeOffset local = factory.of(QStringLiteral("2020-03-04T05:06:07"));
        QVERIFY(local.isValid());
        QCOMPARE(local.value().timeSpec(), Qt::LocalTime);
        QCOMPARE(local.toString(), QStringLiteral("2020-03-04T05:06:07"));

        QCOMPARE(factory.of(QDate(2020, 5, 6)).value(), QDateTime(QDate(2020, 5, 6), QTime(0, 0)));
        QVERIFY(!factory.of(42).isValid());
        QVERIFY(!factory.of(QVariant()).isValid());

        const DateTimeOffset copy = factory.of(QVariant::fromValue(local));
        QCOMPARE(copy, local);
    }

    void outOfRangeWireObjectsAreInvalid_data()
    {
        QTest::addColumn<QString>("dateTime");
        QTest::addColumn<int>("offsetMinutes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("script date max") << "/Date(8640000000000000)/" << 0 << true;
        QTest::newRow("script date min") << "/Date(-8640000000000000)/" << 0 << true;
        QTest::newRow("beyond script dates") << "/Date(8640000000000001)/" << 0 << false;
        QTest::newRow("int64 max") << "/Date(9223372036854775807)/" << 0 << false;
        QTest::newRow("offset +18:00") << "/Date(0)/" << 18 * 60 << true;
        QTest::newRow("offset beyond") << "/Date(0)/" << 18 * 60 + 1 << false;
        QTest::newRow("offset overflowing seconds") << "/Date(0)/" << INT_MIN << false;
    }
    void outOfRangeWireObjectsAreInvalid()
    {
        QFETCH(QString, dateTime);
        QFETCH(int, offsetMinutes);
        QFETCH(bool, valid);
        QCOMPARE(factory.of(wireObject(dateTime, offsetMinutes)).isValid(), valid);
    }

    void invalidValueHasNoWireForm() { QVERIFY(DateTimeOffset().jsonValue().isNull()); }

    void beginOf_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("week");
        QTest::addColumn<QString>("month");
        QTest::newRow("sunday") << "2021-03-07T18:30:00+03:00"
                                << "2021-03-01T00:00:00+03:00"
                                << "2021-03-01T00:00:00+03:00";
        QTest::newRow("monday afternoon") << "2021-03-08T15:00:00Z"
                                          << "2021-03-08T00:00:00Z"
                                          << "2021-03-01T00:00:00Z";
        QTest::newRow("week across month") << "2021-04-02T01:00:00-02:00"
                                           << "2021-03-29T00:00:00-02:00"
                                           << "2021-04-01T00:00:00-02:00";
        // Calendar days: still midnight after the spring daylight-saving change.
        QTest::newRow("local across dst") << "2021-03-31T12:00:00"
                                          << "2021-03-29T00:00:00"
                                          << "2021-03-01T00:00:00";
    }
    void beginOf()
    {
        QFETCH(QString, input);
        QFETCH(QString, week);
        QFETCH(QString, month);
        const DateTimeOffset value = factory.of(input);
        QCOMPARE(value.beginOfTheWeek().toString(), week);
        QCOMPARE(value.beginOfTheMonth().toString(), month);
        QCOMPARE(value.beginOfTheDay().value().time(), QTime(0, 0));
        QCOMPARE(value.beginOfTheWeek().dayOfWeek(), Qt::Monday);
    }

    void addDaysIsFixedLength()
    {
        // 2021-03-28 loses an hour in Berlin at 02:00.
        const DateTimeOffset midnight = factory.of(2021, 3, 28, 0);
        const DateTimeOffset later = midnight.addDays(0.5);
        QCOMPARE(later.value().toMSecsSinceEpoch() - midnight.value().toMSecsSinceEpoch(),
            qint64(12 * 3600 * 1000));
        QCOMPARE(later.value().time(), QTime(13, 0));
        QCOMPARE(midnight.addMonths(1).value(), QDateTime(QDate(2021, 4, 28), QTime(0, 0)));
        QCOMPARE(midnight.addWeeks(-1).daysTo(midnight), 7.0);
        QCOMPARE(midnight.addSeconds(1.9999).value().time(), QTime(0, 0, 1, 999));
    }

    void withTimeAndDateKeepZone()
    {
        const DateTimeOffset offset = factory.of(QStringLiteral("2021-06-01T10:00:00+05:00"));
        QCOMPARE(offset.withTime(7, 8).toString(), QStringLiteral("2021-06-01T07:08:00+05:00"));
        QCOMPARE(
            offset.withDate(2020, 2, 29).toString(), QStringLiteral("2020-02-29T10:00:00+05:00"));
        // A local value comes back in the system zone, so its text carries the offset.
        const DateTimeOffset local = factory.of(2021, 1, 15, 9);
        QCOMPARE(local.withTime().toString(), QStringLiteral("2021-01-15T00:00:00+01:00"));
        QCOMPARE(local.withDate(offset).toString(), QStringLiteral("2021-06-01T09:00:00+02:00"));
    }

    void compare_data()
    {
        QTest::addColumn<QVariant>("other");
        QTest::addColumn<int>("result");
        const DateTimeOffset noon = DateTimeOffset::fromIsoString("2021-01-01T12:00:00Z");
        QTest::newRow("earlier") << QVariant::fromValue(noon.addHours(-1)) << 1;
        QTest::newRow("later") << QVariant::fromValue(noon.addSeconds(1)) << -1;
        QTest::newRow("same instant other offset")
            << QVariant::fromValue(DateTimeOffset::fromIsoString("2021-01-01T14:00:00+02:00")) << 0;
        QTest::newRow("iso text") << QVariant("2021-01-01T13:00:00Z") << -1;
        QTest::newRow("date-time")
            << QVariant(QDateTime(QDate(2021, 1, 1), QTime(11, 0), Qt::UTC)) << 1;
        QTest::newRow("number") << QVariant(5) << 0;
        QTest::newRow("invalid variant") << QVariant() << 0;
        QTest::newRow("point") << QVariant(QPointF(1, 2)) << 0;
    }
    void compare()
    {
        QFETCH(QVariant, other);
        QFETCH(int, result);
        QCOMPARE(DateTimeOffset::fromIsoString("2021-01-01T12:00:00Z").compare(other), result);
    }

    void timeZoneUtcOffSet_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("name");
        QTest::newRow("-05:00") << -18000 << "UTC-05:00";
        QTest::newRow("+05:45") << 20700 << "UTC+05:45";
        QTest::newRow("+14:00") << 14 * 3600 << "UTC+14:00";
        QTest::newRow("-14:00") << -14 * 3600 << "UTC-14:00";
        QTest::newRow("beyond +14") << 14 * 3600 + 60 << "";
        QTest::newRow("beyond -14") << -14 * 3600 - 60 << "";
    }
    void timeZoneUtcOffSet()
    {
        QFETCH(int, seconds);
        QFETCH(QString, name);
        QCOMPARE(factory.timeZoneUtcOffSet(seconds), name);
    }

    void stringConverters()
    {
        const QVariant text(QStringLiteral("2021-02-03T04:05:06-03:00"));
        QVERIFY(text.canConvert<DateTimeOffset>());
        const DateTimeOffset value = text.value<DateTimeOffset>();
        QCOMPARE(value.value().offsetFromUtc(), -3 * 3600);
        QCOMPARE(QVariant::fromValue(value).toString(), text.toString());
        QVERIFY(!QVariant(QStringLiteral("not a date")).value<DateTimeOffset>().isValid());
    }

    void toStringWithFormat()
    {
        const DateTimeOffset value = DateTimeOffset::fromIsoString("2021-02-03T04:05:06Z");
        QCOMPARE(value.toString(QVariant("yyyy/MM/dd")), QStringLiteral("2021/02/03"));
        QCOMPARE(value.toString(QVariant(int(Qt::ISODate))), value.toString());
        QCOMPARE(value.toString(QVariant(QPointF())), value.value().toString(Qt::TextDate));
    }

    void factoryNumbers()
    {
        QCOMPARE(
            factory.fromJsDateValue(86400000.0).value(), QDateTime::fromMSecsSinceEpoch(86400000));
        QCOMPARE(factory.fromDaysSinceEpoch(1.5).value().toMSecsSinceEpoch(), qint64(129600000));
        QCOMPARE(factory.beginOfEpoch().value().timeSpec(), Qt::LocalTime);
        QCOMPARE(factory.beginOfEpoch().value().toMSecsSinceEpoch(), qint64(0));
        QCOMPARE(factory.fromDaysSinceEpoch(2.25).daysSinceEpoch(), 2.25);
    }

    void fromTimeString()
    {
        const DateTimeOffset date = factory.of(QStringLiteral("2021-06-01T10:00:00+05:00"));
        const QLocale c = QLocale::c();
        QCOMPARE(factory.fromTimeString(date, "13:14", c, "HH:mm").toString(),
            QStringLiteral("2021-06-01T13:14:00+05:00"));
        QVERIFY(!factory.fromTimeString(date, "25:99", c, "HH:mm").isValid());
        QCOMPARE(factory.fromDateString("2021-07-08", c, "yyyy-MM-dd").value(),
            QDateTime(QDate(2021, 7, 8), QTime(0, 0)));
    }
};

QTEST_GUILESS_MAIN(DateTimeOffsetTest)
#include "tst_datetimeoffset.moc"
