import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0

// Forms scripts use that the extension library must accept: a date's JSON form called as a
// method, and a QML list property handed to a model as its elements.
TestCase {
    id: testCase
    name: "ExtensionGaps"

    Item {
        id: holder
        QtObject { property string name: "one" }
        Item { property string name: "two" }
        Item { property string name: "three" }
    }

    ObjectListModel {
        id: model
        knownRoles: ["name"]
    }

    function init() {
        model.clear()
    }

    function test_jsonValueAsPropertyAndMethod() {
        var value = DateTimeOffset.of({ "DateTime": "/Date(86400000)/", "OffsetMinutes": 60 })
        compare(value.jsonValue().DateTime, "/Date(86400000)/")
        compare(value.jsonValue().OffsetMinutes, 60)
        compare(value.jsonValue.DateTime, "/Date(86400000)/")
        compare(JSON.stringify(value.jsonValue()), JSON.stringify(value.jsonValue))
    }

    function test_listPropertyGivesOneRowPerElement() {
        model.append(holder.children)
        compare(model.count, 2)
        compare(model.get(0).name, "two")
        compare(model.get(1).name, "three")
        model.insert(1, holder.data)
        compare(model.count, 5)
        compare(model.get(1).name, "one")
        compare(model.get(2).name, "two")
        compare(model.get(4).name, "three")
    }
}
