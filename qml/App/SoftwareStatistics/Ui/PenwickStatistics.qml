import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Controls 1.0
import App.Controls.DateTimePicker 1.0
import App.DevicesStatistics.Ui 1.0

// Use of the Penwick tools; the period is shown but does not change the figures yet.
QQC2.Pane {
    id: page
    objectName: "penwickStatistics"

    readonly property alias chartLoader: chartLoader
    readonly property alias fromPicker: fromPicker
    readonly property alias toPicker: toPicker

    RowLayout {
        anchors.fill: parent
        spacing: 12

        GridLayout {
            Layout.alignment: Qt.AlignTop
            columns: 2

            Label {
                text: qsTr("From: ")
            }
            DateTimePicker {
                id: fromPicker
                objectName: "penwickFromPicker"
                Layout.preferredWidth: 280
            }
            Label {
                text: qsTr("To: ")
            }
            DateTimePicker {
                id: toPicker
                objectName: "penwickToPicker"
                Layout.preferredWidth: 280
            }
        }

        ChartLoader {
            id: chartLoader
            Layout.fillWidth: true
            Layout.fillHeight: true

            sourceComponent: FixedPieChart {
                objectName: "penwickChart"
                title: qsTr("Top 8 Penwick tools usage")
                titleFont: page.font
                slices: [
                    { "label": qsTr("Pen"), "value": 50, "color": "#99CA53" },
                    { "label": qsTr("Highlighter"), "value": 25, "color": "#F6A625" },
                    { "label": qsTr("Eraser"), "value": 12, "color": "#738AC8" },
                    { "label": qsTr("Docs"), "value": 3, "color": "#EA157A" },
                    { "label": qsTr("Laser"), "value": 1, "color": "#1AB39F" },
                    { "label": qsTr("Webpage"), "value": 4.5, "color": "#F625A6" },
                    { "label": qsTr("Other"), "value": 45, "color": "#73a8C8" }
                ]
            }
        }
    }
}
