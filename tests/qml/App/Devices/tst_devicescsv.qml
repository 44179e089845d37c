import QtQuick 2.15
import QtTest 1.15
import "qrc:///App/Devices/DevicesCsv.js" as DevicesCsv
import "qrc:///App/Export/CsvText.js" as CsvText

TestCase {
    name: "DevicesCsv"

    function test_deviceLine() {
        var item = {
            "id": 7, "n": "Lab, \"north\"", "m": "Gen 3 75\"", "fw": "AB1234", "mac": ["aa", "bb"], "ip": ["10.0.0.7"],
            "cId": 4, "io": false, "lo": { "DateTime": "/Date(1600000000000)/", "OffsetMinutes": 120 }, "tg": ["Gen 3", "Floor 1"]
        }
        compare(CsvText.line(DevicesCsv.deviceValues(item, function (id) { return id === 4 ? "Blue Campus" : "?" })),
                '7,"Lab, ""north""","Gen 3 75""",AB1234,aa; bb,10.0.0.7,Blue Campus,offline,2020-09-13T12:26:40.000Z,Gen 3; Floor 1\r\n')
        // No location, no date, nothing listed: empty cells, not "undefined".
        compare(CsvText.line(DevicesCsv.deviceValues({ "id": 8, "io": true, "lo": { "DateTime": "bad" } }, null)), "8,,,,,,,online,,\r\n")
    }
}
