import QtQuick 2.15
import QtTest 1.2
import QtQuickX 1.0

TestCase {
    id: testCase
    name: "ObjectListModel"
    when: windowShown
    width: 200
    height: 200

    QtObject { id: first; property string name: "first"; property int value: 1 }
    QtObject { id: second; property string name: "second"; property int value: 2 }

    Component {
        id: itemComponent
        QtObject { property string name; property int value }
    }

    ObjectListModel {
        id: declared
        knownRoles: ["name", "value"]
        QtObject { property string name: "d1"; property int value: 10 }
        QtObject { property string name: "d2"; property int value: 20 }
    }

    ObjectListModel {
        id: model
        knownRoles: ["name", "value"]
    }

    // No view: some cases have thousands of rows.
    ObjectListModel {
        id: unviewed
        knownRoles: ["name"]
    }

    SignalSpy { id: insertedSpy; target: model; signalName: "rowsInserted" }
    SignalSpy { id: unviewedInsertedSpy; target: unviewed; signalName: "rowsInserted" }

    Repeater {
        id: repeater
        model: model
        delegate: Text { text: name + "=" + value }
    }

    function init() {
        model.clear()
        insertedSpy.clear()
    }

    function texts() {
        var result = []
        for (var i = 0; i < repeater.count; ++i)
            result.push(repeater.itemAt(i).text)
        return result.join(",")
    }

    function test_declaredItemsAreRows() {
        compare(declared.count, 2)
        compare(declared.items.length, 2)
        compare(declared.get(1).name, "d2")
        compare(declared.items[0].value, 10)
    }

    function test_assigningItemsReplacesRows() {
        model.items = [second, first]
        compare(model.count, 2)
        compare(model.get(0), second)
        compare(texts(), "second=2,first=1")
        model.items = []
        compare(model.count, 0)
    }

    function test_appendArrayAndRowsInsertedSignal() {
        model.append([first, second])
        compare(insertedSpy.count, 1)
        compare(insertedSpy.signalArguments[0][0], 0)
        compare(insertedSpy.signalArguments[0][1], 1)
        compare(texts(), "first=1,second=2")
        model.insert(0, itemComponent.createObject(testCase, { name: "new", value: 0 }))
        compare(insertedSpy.signalArguments[1][0], 0)
        compare(texts(), "new=0,first=1,second=2")
    }

    function test_arrayElementsThatAreNoObjectsGiveEmptyRows() {
        var rows = [first, 5, null, "text", second]
        rows[6] = first // leaves a hole at 5
        model.append(rows)
        compare(insertedSpy.count, 1)
        compare(model.count, 7)
        compare(model.get(0), first)
        for (var i = 1; i < 4; ++i)
            compare(model.get(i), null)
        compare(model.get(4), second)
        compare(model.get(5), null)
        compare(model.get(6), first)
    }

    // Arrays whose storage is not laid out from index 0, or not plain storage at all, give
    // their elements in index order.
    function test_appendReadsArrayElementsInOrder_data() {
        var shifted = [second, first, second, first]
        shifted.shift()
        var unshifted = [second]
        unshifted.unshift(first)
        unshifted.unshift(second)
        var withGetter = [first, null, second]
        Object.defineProperty(withGetter, 1, { get: function() { return first } })
        var sparse = [first]
        sparse[5000] = second
        return [
            { tag: "shifted", rows: shifted, expected: [first, second, first] },
            { tag: "unshifted", rows: unshifted, expected: [second, first, second] },
            { tag: "getter", rows: withGetter, expected: [first, first, second] },
            { tag: "sparse", rows: sparse, expected: [first, null, second], at: [0, 1, 5000] }
        ]
    }

    function test_appendReadsArrayElementsInOrder(data) {
        unviewed.clear()
        unviewed.append(data.rows)
        compare(unviewed.count, data.rows.length)
        for (var i = 0; i < data.expected.length; ++i) {
            var row = data.at ? data.at[i] : i
            verify(unviewed.get(row) === data.expected[i], "row " + row)
        }
    }

    function test_arrayLongerThanAModelCanBeAddsNothing() {
        unviewed.clear()
        unviewedInsertedSpy.clear()
        var huge = [first]
        huge.length = 3000000000
        unviewed.append(huge)
        compare(unviewed.count, 0)
        compare(unviewedInsertedSpy.count, 0)
    }

    function test_delegatesFollowObjectsAndSetProperty() {
        model.append(first)
        model.append(second)
        second.value = 5
        compare(texts(), "first=1,second=5")
        model.setProperty(0, "value", 7)
        compare(first.value, 7)
        compare(texts(), "first=7,second=5")
        model.move(1, 0, 1)
        compare(texts(), "second=5,first=7")
        first.value = 1
        second.value = 2
        compare(texts(), "second=2,first=1")
    }

    function test_warningsFromQml() {
        model.append(first)
        ignoreWarning(new RegExp("remove: indices \\[1 - 2\\] out of range \\[0 - 1\\]$"))
        model.remove(1, 1)
        ignoreWarning(new RegExp("List sync\\(\\) can only be called from a WorkerScript$"))
        model.sync()
        compare(model.count, 1)
    }

    function test_getOutOfRangeIsNull() {
        compare(model.get(0), null)
        model.set(0, first)
        compare(model.get(0), first)
    }
}
