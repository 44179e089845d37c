import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls.Material 2.15
import App.Constants 1.0
import App.Controls 1.0

// A device row: status, name, and in small type its model, firmware, first MAC and location.
ListViewItem {
    id: row

    // Names a location by id ("N/A" for none or an unknown one).
    property var locationNameOf: function (customerId) { return Strings.notAvailable }
    readonly property var device: mData

    height: 96

    contentItem: RowLayout {
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

    function __orNA(text) {
        return text ? text : Strings.notAvailable
    }
}
