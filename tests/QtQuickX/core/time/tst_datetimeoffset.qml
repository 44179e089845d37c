import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0

TestCase {
    name: "DateTimeOffsetQml"

    function test_ofParsedAnswer() {
        var answer = JSON.parse('{"d": {"DateTime": "/Date(0)/", "OffsetMinutes": 120}}')
        var value = DateTimeOffset.of(answer.d)
        verify(value.isValid)
        compare(value.toString(), "1970-01-01T02:00:00+02:00")
        compare(value.jsonValue.DateTime, "/Date(0)/")
        compare(value.jsonValue.OffsetMinutes, 120)
        compare(value.jsDateValue, 0)
    }

    function test_stringConversions() {
        var value = DateTimeOffset.of("2021-02-03T04:05:06-03:00")
        compare("" + value, "2021-02-03T04:05:06-03:00")
        compare(String(value), "2021-02-03T04:05:06-03:00")
        // ISO text is accepted where a DateTimeOffset argument is expected.
        compare(value.daysTo("2021-02-04T04:05:06-03:00"), 1)
        compare(value.compare("2021-02-03T07:05:06Z"), 0)
        compare(value.compare(12), 0)
        compare(value.compare(new Date(Date.UTC(2021, 1, 3, 8))), -1)
    }

    function test_overloads() {
        var value = DateTimeOffset.of("2021-06-01T10:20:30+05:00")
        compare(value.withTime(7).toString(), "2021-06-01T07:00:00+05:00")
        compare(value.withTime(7, 8, 9).toString(), "2021-06-01T07:08:09+05:00")
        var other = DateTimeOffset.of(2020, 1, 2, 3, 4)
        compare(value.withTime(other).toString(), "2021-06-01T03:04:00+05:00")
        compare(value.withDate(other).toString(), "2020-01-02T10:20:30+05:00")
        compare(value.toString("HH:mm"), "10:20")
        compare(value.addDays(1).beginOfTheDay.toString(), "2021-06-02T00:00:00+05:00")
        compare(value.toLocaleDateString(Qt.locale("C"), "yyyy.MM.dd"), "2021.06.01")
    }

    function test_scriptDate() {
        var value = DateTimeOffset.of(new Date(86400000))
        compare(value.jsDateValue, 86400000)
        compare(DateTimeOffset.beginOfEpoch.jsDateValue, 0)
        compare(DateTimeOffset.timeZoneUtcOffSet(-18000), "UTC-05:00")
    }
}
