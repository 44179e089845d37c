pragma Singleton
import QtQuick 2.15

// Service JSON to Login.
Component {
    Login {
        property var modelData: ({})

        idd: modelData && modelData["id"] ? String(modelData["id"]) : ""
        userId: modelData && modelData["userId"] || -1
        method: modelData && modelData["method"] || ""
        data: modelData && modelData["data"] || null
    }
}
