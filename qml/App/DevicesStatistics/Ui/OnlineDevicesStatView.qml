import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import QtCharts 2.15
import QtQuickX 1.0
import App.DevicesStatistics 1.0

// How many devices were online over the last two weeks, for all devices or per group.
QQC2.Pane {
    id: page
    objectName: "onlineDevicesStatView"

    property var devices: []
    property var tags: []
    readonly property alias chartLoader: chartLoader
    readonly property alias groupChooser: groupChooser

    readonly property var campusSeries: [
        { "tagId": 330, "name": qsTr("Red campus"), "color": "#EA152E" },
        { "tagId": 320, "name": qsTr("Green campus"), "color": "#7FD13B" },
        { "tagId": 310, "name": qsTr("Blue devices"), "color": "#00ADDC" }
    ]

    // One entry per series: its name, colour (empty for the chart's own) and devices.
    function seriesOfGrouping(grouping) {
        if (grouping === 1) {
            return DevicesStatistics.cabinetTypes.map(function (entry) {
                return { "name": DevicesStatistics.tagName(tags, entry.tagId), "color": "",
                         "devices": DevicesStatistics.devicesWithTag(devices, entry.tagId) }
            })
        }
        if (grouping === 2) {
            return campusSeries.map(function (entry) {
                return { "name": entry.name, "color": entry.color,
                         "devices": DevicesStatistics.devicesWithTag(devices, entry.tagId) }
            })
        }
        return [{ "name": qsTr("All devices"), "color": "#0057AE", "devices": devices || [] }]
    }

    function compute(chart) {
        var to = DateTimeOffset.now().beginOfTheDay.addDays(1)
        var from = to.addWeeks(-2)
        var now = DateTimeOffset.now().jsDateValue
        chart.removeAllSeries()
        chart.timeAxis.min = new Date(from.jsDateValue)
        chart.timeAxis.max = new Date(to.jsDateValue)
        chart.timeAxis.tickCount = Math.round(from.daysTo(to)) + 1
        chart.countAxis.min = 0
        chart.countAxis.max = 10
        seriesOfGrouping(groupChooser.currentIndex).forEach(function (entry) {
            var series = chart.createSeries(ChartView.SeriesTypeLine, entry.name, chart.timeAxis, chart.countAxis)
            series.width = 1
            if (entry.color)
                series.color = entry.color
            var points = DevicesStatistics.onlineSteps(entry.devices, now)
            series.visible = points.length > 0
            points.forEach(function (point) { series.append(point.x, point.y) })
            var highest = DevicesStatistics.highestValue(points.map(function (point) { return point.y }))
            if (points.length > 0)
                chart.countAxis.max = Math.max(chart.countAxis.max, DevicesStatistics.axisMaximum(highest))
        })
    }

    onDevicesChanged: chartLoader.recompute()
    onTagsChanged: chartLoader.recompute()

    ColumnLayout {
        anchors.fill: parent

        GroupChooser {
            id: groupChooser
            model: [qsTr("None"), qsTr("Cabinet type"), qsTr("Campus")]
            onChosen: chartLoader.recompute()
        }

        ChartLoader {
            id: chartLoader
            Layout.fillWidth: true
            Layout.fillHeight: true

            sourceComponent: ChartView {
                objectName: "onlineDevicesChart"

                property alias timeAxis: timeAxis
                property alias countAxis: countAxis

                antialiasing: true
                legend.font.pixelSize: page.font.pixelSize - 2
                legend.showToolTips: true

                DateTimeAxis {
                    id: timeAxis
                    format: Qt.locale().dateFormat(Locale.ShortFormat)
                    labelsAngle: -90
                }
                ValueAxis {
                    id: countAxis
                    min: 0
                    max: 10
                    labelFormat: "%i"
                    tickType: ValueAxis.TicksDynamic
                    tickAnchor: 0
                    tickInterval: 10
                }
            }

            onComputeRequested: page.compute(chart)
        }
    }
}
