pragma Singleton
import QtQuick 2.15

// Service JSON to DeviceModel.
Component {
    DeviceModel {
        property var modelData: ({})

        idd: modelData && modelData["id"] || "0"
        name: modelData && modelData["n"] || ""
    }
}
