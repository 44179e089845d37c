import QtQuick 2.15
import App.Devices 1.0
import App.MockupDatasets 1.0

// How the devices are used, charted from the devices' own online history.
StatisticsTabsView {
    id: view
    objectName: "devicesStatisticsView"

    // The offline dataset's devices, which carry "tags" and "onlineTimes".
    readonly property DevicesManager devicesManager: DevicesManager {
        mockup: true
        mockupDevices: MockupDataset.devices
    }
    property var devices: devicesManager.devices
    // Names the groups.
    property var tags: MockupDataset.tags

    title: qsTr("Devices Usage Statistics")
    startIndex: 3
    pageProperties: ({ "devices": view.devices, "tags": view.tags })
    tabs: [
        { "text": qsTr("Online devices"), "source": "/App/DevicesStatistics/Ui/OnlineDevicesStatView.qml" },
        { "text": qsTr("Infrastructure distribution"), "source": "/App/DevicesStatistics/Ui/DevicesDistributionStatView.qml" },
        { "text": qsTr("Usage per day of week"), "source": "/App/DevicesStatistics/Ui/UsageHoursStatView.qml" },
        { "text": qsTr("Smart analytics"), "source": "/App/DevicesStatistics/Ui/SmartReportsView.qml" },
        { "icon": "/Icons/add.svg" }
    ]
}
