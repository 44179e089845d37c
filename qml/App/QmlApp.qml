import QtQuick 2.15
import Qt.labs.settings 1.1
import QtQuickX 1.0
import Ostrel 1.0

QtObject {
    id: qmlApp

    property var mainWindow: null

    property Settings appearanceSettings: Settings {
        category: "Appearance"
    }

    function initialize() {
        mainWindow = appCore.mainWindow
        mainWindow.runMainView()
    }

    // Diagnostic dump; stops at a depth limit and at objects already visited.
    function printData(obj, marker, recursive) {
        var maxDepth = 8
        var visited = []

        function dump(value, prefix, depth) {
            if (value === null || value === undefined || visited.indexOf(value) !== -1)
                return
            visited.push(value)
            for (var p in value) {
                var item = value[p]
                var type = typeof item
                console.log(prefix, type, p, ":", item)
                if (recursive && type === "object" && depth < maxDepth)
                    dump(item, prefix + prefix, depth + 1)
            }
        }

        dump(obj, marker, 1)
    }

    Component.onCompleted: appCore.qmlApp = qmlApp
}
