import QtQuick 2.15
import QtTest 1.15
import "qrc:///App/Devices/DevicesCsv.js" as DevicesCsv

TestCase {
    name: "DevicesCsv"

    function test_fieldQuoting_data() {
        return [
            { tag: "plain", value: "Hall 1", text: "Hall 1" },
            { tag: "comma", value: "Hall, west", text: "\"Hall, west\"" },
            { tag: "quote", value: "The \"big\" one", text: "\"The \"\"big\"\" one\"" },
            { tag: "line feed", value: "two\nlines", text: "\"two\nlines\"" },
            { tag: "carriage return", value: "a\rb", text: "\"a\rb\"" },
            { tag: "missing", value: undefined, text: "" },
            { tag: "number", value: 42, text: "42" },
            { tag: "formula", value: "=HYPERLINK(\"http://x\")", text: "\"'=HYPERLINK(\"\"http://x\"\")\"" },
            { tag: "plus", value: "+1", text: "'+1" },
            { tag: "minus", value: "-2+3", text: "'-2+3" },
            { tag: "at", value: "@SUM(A1)", text: "'@SUM(A1)" },
            { tag: "tab", value: "\tx", text: "'\tx" },
            { tag: "leading carriage return", value: "\r=1", text: "\"'\r=1\"" },
            { tag: "sign inside", value: "a=b", text: "a=b" }
        ]
    }

    function test_fieldQuoting(data) {
        compare(DevicesCsv.field(data.value), data.text)
    }

    function test_deviceLine() {
        var item = {
            "id": 7, "n": "Lab, \"north\"", "m": "Gen 3 75\"", "fw": "AB1234", "mac": ["aa", "bb"], "ip": ["10.0.0.7"],
            "cId": 4, "io": false, "lo": { "DateTime": "/Date(1600000000000)/", "OffsetMinutes": 120 }, "tg": ["Gen 3", "Floor 1"]
        }
        compare(DevicesCsv.deviceLine(item, function (id) { return id === 4 ? "Blue Campus" : "?" }),
                '7,"Lab, ""north""","Gen 3 75""",AB1234,aa; bb,10.0.0.7,Blue Campus,offline,2020-09-13T12:26:40.000Z,Gen 3; Floor 1\r\n')
        // No location, no date, nothing listed: empty cells, not "undefined".
        compare(DevicesCsv.deviceLine({ "id": 8, "io": true, "lo": { "DateTime": "bad" } }, null), "8,,,,,,,online,,\r\n")
    }
}
