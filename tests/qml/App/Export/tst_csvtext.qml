import QtQuick 2.15
import QtTest 1.15
import "qrc:///App/Export/CsvText.js" as CsvText

TestCase {
    name: "CsvText"

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
        compare(CsvText.field(data.value), data.text)
    }
}
