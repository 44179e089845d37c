import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import QtCharts 2.15
import App.DevicesStatistics 1.0

// On which weekdays the devices of each room type or campus were online.
QQC2.Pane {
    id: page
    objectName: "usageHoursStatView"

    property var devices: []
    property var tags: []
    readonly property alias chartLoader: chartLoader
    readonly property alias groupChooser: groupChooser

    function compute(chart) {
        var group = groupChooser.currentIndex === 1 ? DevicesStatistics.campuses : DevicesStatistics.cabinetTypes
        var now = Date.now()
        var highest = 0
        chart.bars.clear()
        group.forEach(function (entry) {
            var counts = DevicesStatistics.weekdayCounts(DevicesStatistics.devicesWithTag(devices, entry.tagId), now)
            var set = chart.bars.append(DevicesStatistics.tagName(tags, entry.tagId), counts)
            set.color = entry.color
            highest = Math.max(highest, DevicesStatistics.highestValue(counts))
        })
        chart.countAxis.max = DevicesStatistics.axisMaximum(highest)
    }

    onDevicesChanged: chartLoader.recompute()
    onTagsChanged: chartLoader.recompute()

    ColumnLayout {
        anchors.fill: parent

        GroupChooser {
            id: groupChooser
            model: [qsTr("Cabinet type"), qsTr("Campus")]
            onChosen: chartLoader.recompute()
        }

        ChartLoader {
            id: chartLoader
            Layout.fillWidth: true
            Layout.fillHeight: true

            sourceComponent: ChartView {
                objectName: "usageHoursChart"

                property alias bars: bars
                property alias countAxis: countAxis

                antialiasing: true
                legend.alignment: Qt.AlignRight

                BarSeries {
                    id: bars
                    axisX: BarCategoryAxis {
                        categories: [qsTr("Sun"), qsTr("Mon"), qsTr("Tue"), qsTr("Wed"), qsTr("Thu"), qsTr("Fri"), qsTr("Sat")]
                    }
                    axisY: ValueAxis {
                        id: countAxis
                        min: 0
                        max: 5
                        labelFormat: "%i"
                        // Whole numbers only: counts have no fractions.
                        tickType: ValueAxis.TicksDynamic
                        tickAnchor: 0
                        tickInterval: max <= 10 ? 1 : 5
                    }
                }
            }

            onComputeRequested: page.compute(chart)
        }
    }
}
