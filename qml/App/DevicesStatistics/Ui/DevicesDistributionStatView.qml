import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import QtCharts 2.15
import App.DevicesStatistics 1.0

// How many devices each room type or campus holds; a tag without devices has no slice.
QQC2.Pane {
    id: page
    objectName: "devicesDistributionStatView"

    property var devices: []
    property var tags: []
    readonly property alias chartLoader: chartLoader
    readonly property alias groupChooser: groupChooser

    function compute(chart) {
        var group = groupChooser.currentIndex === 1 ? DevicesStatistics.campuses : DevicesStatistics.cabinetTypes
        chart.pie.clear()
        DevicesStatistics.distribution(devices, group).forEach(function (entry) {
            var label = DevicesStatistics.tagName(tags, entry.tagId) + " (" + entry.count + ")"
            var slice = chart.pie.append(label, entry.count)
            slice.color = entry.color
            slice.labelPosition = PieSlice.LabelOutside
            slice.labelVisible = true
            slice.labelFont = page.font
        })
    }

    onDevicesChanged: chartLoader.recompute()
    onTagsChanged: chartLoader.recompute()

    ColumnLayout {
        anchors.fill: parent

        GroupChooser {
            id: groupChooser
            label: qsTr("Distribution by:")
            model: [qsTr("Cabinet type"), qsTr("Campus")]
            onChosen: chartLoader.recompute()
        }

        ChartLoader {
            id: chartLoader
            Layout.fillWidth: true
            Layout.fillHeight: true

            sourceComponent: ChartView {
                objectName: "distributionChart"

                property alias pie: pie

                antialiasing: true
                legend.visible: false

                PieSeries {
                    id: pie
                }
            }

            onComputeRequested: page.compute(chart)
        }
    }
}
