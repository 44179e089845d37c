import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import QtQuickX 1.0
import App.Constants 1.0
import App.Controls 1.0

// A device row: status, name, and in small type its model, firmware, first MAC and location.
// A plain item rather than a list row control: rows are made with every page, and a control's
// style parts and font and palette resolution made each row markedly dearer.
Item {
    id: row

    // Names a location by id ("N/A" for none or an unknown one).
    property var locationNameOf: function (customerId) { return Strings.notAvailable }
    // The list's colours of a row and of the current row.
    property color textColor: "black"
    property color currentTextColor: "white"
    property var device: typeof modelData !== "undefined" ? modelData : undefined
    readonly property Item listView: ListView.view
    readonly property bool current: !!listView && listView.currentIndex === index
                                    && listView.isHighlightVisible

    width: listView ? listView.width : 200
    height: 96
    enabled: !!device

    Material.foreground: current ? currentTextColor : textColor

    function __orNA(text) {
        return text ? text : Strings.notAvailable
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        // Taken on press as a list row control takes it, so the arrow keys reach the list.
        onPressed: row.forceActiveFocus(Qt.MouseFocusReason)
        onClicked: {
            if (row.listView)
                QmlX.writeProperty(row.listView, "currentIndex", index, QmlX.DontRemoveBinding)
        }
    }

    Ripple {
        anchors.fill: parent
        clip: visible
        pressed: mouse.pressed
        anchor: row
        active: mouse.pressed
        color: row.Material.rippleColor
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        anchors.topMargin: row.Material.menuItemVerticalPadding
        anchors.bottomMargin: row.Material.menuItemVerticalPadding
        spacing: 10

        DeviceStatusIcon {
            Layout.alignment: Qt.AlignVCenter
            isOnline: !!row.device && row.device.isOnline
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0

            Label {
                objectName: "deviceTitle"
                Layout.fillWidth: true
                text: row.device && row.device.title ? row.device.title : Strings.notAvailable
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.bold: true
                color: row.Material.foreground
            }
            DeviceRowDetail {
                text: qsTr("Model:") + " " + row.__orNA(row.device ? row.device.deviceModel : "")
            }
            DeviceRowDetail {
                text: Strings.deviceFilterFw + " " + row.__orNA(row.device ? row.device.firmwareVersion : "")
            }
            DeviceRowDetail {
                text: Strings.deviceFilterMac + " " + row.__orNA(row.device && row.device.macAddresses.length
                                                                 ? row.device.macAddresses[0] : "")
            }
            DeviceRowDetail {
                text: qsTr("Location:") + " " + (row.device ? row.locationNameOf(row.device.customerId)
                                                            : Strings.notAvailable)
            }
        }
    }
}
