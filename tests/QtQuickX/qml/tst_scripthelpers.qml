import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0
import KestrumTest 1.0
import "qrc:///QtQuickX/Model.js" as Model
import "qrc:///Datamizer/DataUtils.js" as DataUtils

TestCase {
    id: testCase
    name: "ScriptHelpers"

    ListModel {
        id: listModel
        ListElement { idd: 1; name: "one" }
        ListElement { idd: 2; name: "two" }
        ListElement { idd: 3; name: "two" }
    }

    Component {
        id: processComponent
        LoadableProcess {
            sourceComponent: Item {}
        }
    }

    Component {
        id: entityComponent
        QtObject {
            property var modelData
        }
    }

    function test_emptyProxy() {
        var proxy = Model.of(null)
        compare(proxy.size(), 0)
        compare(proxy.length, undefined)
        compare(proxy.at(0), undefined)
        compare(proxy.find(function () { return true }), undefined)
        compare(proxy.findIndex(function () { return true }), -1)
        compare(proxy.indexOf(1), -1)
        compare(proxy.findIndexByProperty("idd", 1), -1)
        compare(proxy.findByProperty("idd", 1), undefined)
    }

    function test_proxyKinds_data() {
        return [
            { tag: "empty array", model: [], kind: "array", size: 0 },
            { tag: "array-like", model: { "length": 0 }, kind: "array", size: 0 },
            { tag: "object with get", model: { "get": function (i) { return i }, "count": 4 }, kind: "list", size: 4 }
        ]
    }

    function test_proxyKinds(data) {
        var proxy = Model.of(data.model)
        compare(proxy.size(), data.size)
        compare(proxy.length, data.size)
        if (data.kind === "list")
            compare(proxy.at(2), 2)
    }

    function test_arraySearches() {
        var second = { "idd": 2 }
        var items = [null, { "idd": 1 }, second, { "idd": 2 }]
        var proxy = Model.of(items)
        verify(proxy.findByProperty("idd", 2) === second)
        compare(proxy.findIndexByProperty("idd", 2), 2)
        compare(proxy.findIndexByProperty("idd", "2"), -1)
        compare(proxy.findIndexByProperty("idd", "2", function (a, b) { return a == b }), 2)
        compare(proxy.findIndexByProperty(null, second), 2)
        compare(proxy.indexOf(second), 2)
        compare(Model.of(["a", "b"]).indexOf("b"), 1)
    }

    function test_listModelSearches() {
        var proxy = Model.of(listModel)
        compare(proxy.size(), 3)
        compare(proxy.findByProperty("name", "two").idd, 2)
        compare(proxy.findIndexByProperty("name", "two"), 1)
        compare(proxy.findIndex(function (element, index, model) {
            return model === listModel && element.idd === 3 && index === 2
        }), 2)
        compare(proxy.find(function (element) { return element.idd === 9 }), undefined)
        var thrown = ""
        try {
            proxy.find("not a function")
        } catch (e) {
            thrown = e.message
            verify(e instanceof TypeError)
        }
        compare(thrown, "predicate must be a function")
    }

    function test_modernFunctionsPresent() {
        compare([1, 2, 3].find(function (x) { return x > 1 }), 2)
        compare([1, 2, 3].findIndex(function (x) { return x > 5 }), -1)
        verify([NaN].includes(NaN))
        compare([1, 2, 3].reduce(function (a, b) { return a + b }), 6)
        compare("5".padStart(3, "0"), "005")
        compare("5".padEnd(3, "ab"), "5ab")
        verify("Kestrum".startsWith("Kes"))
        compare(Object.assign({ "a": 1 }, null, { "b": 2 }).b, 2)
    }

    function test_completeLaterCompletesOnceWithTheLastResult() {
        var process = createTemporaryObject(processComponent, testCase)
        var spy = createTemporaryObject(spyComponent, testCase, { "target": process, "signalName": "completed" })
        process.active = true
        verify(process.running)
        verify(process.item !== null)
        // Back to back, so that a slow machine cannot let the first one complete alone.
        process.completeLater("first")
        process.completeLater("second")
        tryCompare(spy, "count", 1, 1000)
        TimerSentinel.waitPast(150)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], "second")
        verify(!process.active)
        verify(!process.running)
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function test_dataUtils() {
        compare(DataUtils.emptyOrNull(null), "")
        compare(DataUtils.emptyOrNull("42"), 42)
        compare(DataUtils.dateTimeOffset(null), "")
        compare(DataUtils.dateTimeOffset({ "DateTime": "2021-01-01" }), "")
        compare(DataUtils.dateTimeOffset({ "DateTime": "/Date(86400000)/", "OffsetMinutes": 120 }).getTime(), 86400000)
        compare(DataUtils.toIndex(null, "idd"), null)
        var index = DataUtils.toIndex([{ "idd": 1, "n": "a" }, { "idd": 1, "n": "b" }], "idd")
        compare(index[1].n, "b")
        compare(DataUtils.mapCollectionModel(null, entityComponent), null)
        compare(DataUtils.mapCollectionModel([1], null), null)
        var mapped = DataUtils.mapCollectionModel([{ "id": 5 }, { "id": 6 }], entityComponent)
        compare(mapped.length, 2)
        compare(mapped[1].modelData.id, 6)
        compare(JSON.stringify(DataUtils.concatMaps({ "a": 1, "b": 1 }, null, { "b": 2 })), '{"a":1,"b":2}')
    }

    function test_removeAll() {
        compare([1, 2, 3, 2].removeAll([2]), [1, 3])
        compare([].removeAll([1]), [])
        var keys = []
        for (var key in [5])
            keys.push(key)
        compare(keys, ["0"])
        var thrown = ""
        try {
            Array.prototype.removeAll.call(null, [])
        } catch (e) {
            thrown = e.message
        }
        compare(thrown, "\"this\" is null or not defined")
    }
}
