import QtQuick 2.15
import QtQuickX 1.0

// A device picture marked online (light blue) or offline (dark red).
Item {
    id: icon

    property bool isOnline: false

    implicitWidth: 32
    implicitHeight: 32
    opacity: enabled ? 1 : 0.4

    ImageColorOverlay {
        objectName: "statusMark"
        anchors.fill: parent
        source: icon.isOnline ? "/Icons/device-ifp-online-status.svg" : "/Icons/device-ifp-offline-status.svg"
        color: icon.isOnline ? "#33C3FF" : "#a00000"
    }
}
