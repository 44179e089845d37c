import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Controls 1.0
import App.Devices 1.0
import App.Devices.Ui 1.0

// Ready-made groups of devices; choosing one lists its devices.
QQC2.Pane {
    id: page
    objectName: "smartReportsView"

    property var devices: []
    property var tags: []

    readonly property var groups: [
        { "text": qsTr("Offline more than 2 weeks (3)"), "deviceIds": [70001, 70020] },
        { "text": qsTr("Online 24/7 (1)"), "deviceIds": [70029] },
        { "text": qsTr("Online on weekends (4)"), "deviceIds": [70007, 70029, 70058, 70096] },
        { "text": qsTr("With legacy firmware (0)"), "deviceIds": [] },
        { "text": qsTr("With legacy software (0)"), "deviceIds": [] }
    ]
    readonly property alias groupList: groupList
    readonly property alias deviceList: deviceList
    readonly property var chosenIds: groups[groupList.currentIndex] ? groups[groupList.currentIndex].deviceIds : []

    // The devices of the chosen group, from the devices this screen was given.
    readonly property DevicesManager manager: DevicesManager {
        mockup: true
        mockupDevices: page.devices || []
        filter: DevicesFilter {
            ids: page.chosenIds

            function localFilterFunction(device) {
                return !!device && ids.indexOf(device.idd) >= 0
            }
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 12

        ColumnLayout {
            Layout.preferredWidth: 240
            Layout.maximumWidth: 240
            Layout.fillHeight: true

            Label {
                text: qsTr("Group of devices:")
                font.pixelSize: 18
            }
            ListView {
                id: groupList
                objectName: "smartGroupList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                model: page.groups
                delegate: ListViewItem {
                    text: modelData.text
                }
            }
        }

        DevicesListView {
            id: deviceList
            objectName: "smartDeviceList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            manager: page.manager
        }
    }
}
