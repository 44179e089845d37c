pragma Singleton
import QtQuick 2.15
import App.DataProviders 1.0
import App.Managers 1.0

// Service JSON of a role session to the token file's object, which is saved at once.
Component {
    QtObject {
        id: token

        property var modelData: undefined
        // Keys in the order the file is read by; what the answer lacks is left out.
        readonly property var tokenObject: {
            var object = {}
            var source = modelData || {}
            var keys = [["sessionToken", "t"], ["validFrom", "vf"], ["validTo", "vt"]]
            keys.forEach(function (pair) {
                if (source[pair[1]] !== undefined && source[pair[1]] !== null)
                    object[pair[0]] = source[pair[1]]
            })
            object["uri"] = String(Endpoints.serviceUri)
            return object
        }

        property var __savedData: undefined

        function __save() {
            if (!modelData || modelData === __savedData)
                return
            __savedData = modelData
            DataManager.save(tokenObject, "init-config.json")
        }

        onModelDataChanged: __save()
        Component.onCompleted: __save()
    }
}
