import QtQuick 2.15
import App.DevicesStatistics.Ui 1.0

// How software is used on the devices.
StatisticsTabsView {
    objectName: "softwareStatisticsView"

    title: qsTr("Software Usage Statistics")
    startIndex: 0
    tabs: [
        { "text": qsTr("Software usage"), "source": "/App/SoftwareStatistics/Ui/SoftwareUsageStatistics.qml" },
        { "text": qsTr("Cloud storages"), "source": "/App/SoftwareStatistics/Ui/CloudStoragesStatistics.qml" },
        { "text": qsTr("Penwick tools"), "source": "/App/SoftwareStatistics/Ui/PenwickStatistics.qml" },
        { "icon": "/Icons/add.svg" }
    ]
}
