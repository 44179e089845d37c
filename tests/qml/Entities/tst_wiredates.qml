import QtQuick 2.15
import QtTest 1.15
import "qrc:///Entities/WireDates.js" as WireDates

TestCase {
    name: "WireDates"

    // Offsets east and west of UTC whatever the zone the test runs in.

    function test_toTimeZoneString_data() {
        return [
            { tag: "three hours east", offset: 180, text: "2021-12-29T10:00:00+03:00" },
            { tag: "five hours west", offset: -300, text: "2021-12-29T10:00:00-05:00" },
            { tag: "half an hour", offset: 330, text: "2021-12-29T10:00:00+05:30" },
            { tag: "UTC", offset: 0, text: "2021-12-29T10:00:00+00:00" }
        ]
    }

    function test_toTimeZoneString(data) {
        compare(WireDates.textAtOffset(new Date(2021, 11, 29, 10, 0, 0), data.offset), data.text)
    }

    function test_localOffset() {
        // The offset is the local one at that date, not today's.
        var date = new Date(2021, 6, 1, 10, 0, 0)
        var offset = -date.getTimezoneOffset()
        var sign = offset < 0 ? "-" : "+"
        var hours = String(Math.floor(Math.abs(offset) / 60)).padStart(2, "0")
        var minutes = String(Math.abs(offset) % 60).padStart(2, "0")
        compare(WireDates.toTimeZoneString(date), "2021-07-01T10:00:00" + sign + hours + ":" + minutes)
    }

    function test_invalidDates() {
        // An invalid or missing date leaves its key out of the request.
        compare(WireDates.toTimeZoneString(new Date(NaN)), undefined)
        compare(WireDates.toTimeZoneString(null), undefined)
        compare(WireDates.toTimeZoneString("2021-12-29"), undefined)
        compare(JSON.stringify({ "vf": WireDates.toTimeZoneString(new Date(NaN)) }), "{}")
    }

    function test_toDate() {
        compare(WireDates.toDate({ "DateTime": "/Date(0)/", "OffsetMinutes": 120 }).getTime(), 0)
        compare(WireDates.toDate({ "DateTime": "/Date(-86400000)/", "OffsetMinutes": 0 }).getTime(), -86400000)
        compare(WireDates.toDate("2021-12-29T10:00:00+03:00").getTime(), Date.UTC(2021, 11, 29, 7))
        compare(WireDates.toDate(1640768400000).getTime(), 1640768400000)
        compare(WireDates.toDate({ "DateTime": "2021-12-29" }), null)
        compare(WireDates.toDate(undefined), null)
        compare(WireDates.toDate(""), null)
    }
}
