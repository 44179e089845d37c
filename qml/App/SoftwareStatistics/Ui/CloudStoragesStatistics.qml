import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtCharts 2.15
import App.DevicesStatistics.Ui 1.0

// Use of cloud storage services per month, one area stacked on the other.
QQC2.Pane {
    id: page
    objectName: "cloudStoragesStatistics"

    readonly property alias chartLoader: chartLoader

    readonly property var googleDrive: [0, 0, 0, 0, 3, 10, 13, 19, 25, 33, 36, 40]
    readonly property var oneDrive: [5, 11, 16, 19, 53, 54, 52, 60, 45, 55, 56, 70]

    function fill(line, values) {
        values.forEach(function (value, index) { line.append(index + 1, value) })
    }

    ChartLoader {
        id: chartLoader
        anchors.fill: parent

        sourceComponent: ChartView {
            objectName: "cloudStoragesChart"

            property alias lowerArea: lowerArea
            property alias upperArea: upperArea

            title: qsTr("Statistics for 2018")
            titleFont: page.font
            antialiasing: true

            ValueAxis {
                id: monthAxis
                min: 1
                max: 12
                tickCount: 12
                labelFormat: "%i"
            }
            ValueAxis {
                id: percentAxis
                min: 0
                max: 100
                tickCount: 10
            }

            AreaSeries {
                id: lowerArea
                name: qsTr("GoogleDrive")
                color: "#0F9D58"
                axisX: monthAxis
                axisY: percentAxis
                upperSeries: LineSeries {
                    id: googleLine
                    Component.onCompleted: page.fill(googleLine, page.googleDrive)
                }
            }
            AreaSeries {
                id: upperArea
                name: qsTr("Microsoft Onedrive")
                color: "#00A4EF"
                axisX: monthAxis
                axisY: percentAxis
                lowerSeries: googleLine
                upperSeries: LineSeries {
                    id: oneDriveLine
                    Component.onCompleted: page.fill(oneDriveLine, page.oneDrive)
                }
            }
        }
    }
}
