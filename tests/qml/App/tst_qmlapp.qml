import QtQuick 2.15
import QtTest 1.15
import App 1.0

TestCase {
    name: "QmlApp"

    QtObject {
        id: appCore
        property var mainWindow: null
        property var qmlApp: null
    }

    function test_printDataStopsOnCycles() {
        var app = Qt.createQmlObject("import App 1.0; QmlApp { }", this)
        var a = { name: "a" }
        var b = { name: "b", back: a }
        a.next = b
        a.self = a
        // Would recurse for ever without the visited set.
        app.printData(a, "-", true)
        var deep = {}
        var node = deep
        for (var i = 0; i < 100; ++i) {
            node.child = {}
            node = node.child
        }
        app.printData(deep, ">", true)
        verify(true)
    }
}
