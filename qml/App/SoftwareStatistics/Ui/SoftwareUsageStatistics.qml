import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.DevicesStatistics.Ui 1.0

// The most used applications.
QQC2.Pane {
    id: page
    objectName: "softwareUsageStatistics"

    readonly property alias chartLoader: chartLoader

    ChartLoader {
        id: chartLoader
        anchors.fill: parent

        sourceComponent: FixedPieChart {
            objectName: "softwareUsageChart"
            title: qsTr("Top 5 Most Used Applications")
            titleFont: page.font
            slices: [
                { "label": qsTr("Penwick"), "value": 42, "color": "#99CA53", "exploded": true },
                { "label": qsTr("Calculator"), "value": 23, "color": "#F6A625" },
                { "label": qsTr("Web Browser"), "value": 12, "color": "#738AC8" },
                { "label": qsTr("Photo Gallery"), "value": 14, "color": "#EA157A" },
                { "label": qsTr("PDF Viewer"), "value": 9, "color": "#1AB39F" }
            ]
        }
    }
}
