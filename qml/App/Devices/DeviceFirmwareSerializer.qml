pragma Singleton
import QtQuick 2.15

// Service JSON to DeviceFirmware.
Component {
    DeviceFirmware {
        property var modelData: ({})

        idd: modelData && modelData["id"] || "0"
        name: modelData && modelData["n"] || ""
    }
}
