import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Constants 1.0
import App.Controls 1.0 as Controls
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

// One ticket: the device, its status, when it was planned for, the device's answer and the
// task's data.
Control {
    id: viewer

    property var entity: null

    contentItem: ColumnLayout {
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Image {
                source: "/Icons/device-ifp.svg"
                sourceSize: Qt.size(48, 48)
            }

            Controls.Label {
                objectName: "ticketDeviceName"
                Layout.fillWidth: true
                text: TaskTexts.orNotAvailable(viewer.entity ? viewer.entity.deviceName : "")
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.bold: true
                font.pixelSize: 22
            }

            ColumnLayout {
                Image {
                    objectName: "ticketStatusIcon"
                    Layout.alignment: Qt.AlignHCenter
                    source: TaskTexts.detailsIcon(viewer.entity ? viewer.entity.status : undefined)
                    sourceSize: Qt.size(32, 32)
                }

                Controls.Label {
                    textFormat: Text.PlainText
                    objectName: "ticketStatusName"
                    Layout.alignment: Qt.AlignHCenter
                    text: viewer.entity ? TaskTexts.statusName(viewer.entity.status) : qsTr("N/A")
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true

            Controls.Label {
                text: Strings.plannedFor
            }

            Controls.Label {
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: TaskTexts.shortDate(viewer.entity ? viewer.entity.validFrom : null)
            }
        }

        RowLayout {
            Layout.fillWidth: true

            Controls.Label {
                Layout.fillWidth: true
                text: Strings.ticketResult
            }

            Controls.ToolButton {
                objectName: "copyResultButton"
                icon.source: "/Icons/copy.svg"
                text: qsTr("Copy")
                display: AbstractButton.IconOnly
                onClicked: Clipboard.setText(viewer.entity ? viewer.entity.uncutResult : "")
            }
        }

        Controls.Label {
            objectName: "ticketResultText"
            Layout.fillWidth: true
            text: TaskTexts.readableData(viewer.entity ? viewer.entity.result : "")
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            maximumLineCount: 6
            elide: Text.ElideRight
        }

        RowLayout {
            Layout.fillWidth: true

            Controls.Label {
                Layout.fillWidth: true
                text: qsTr("Task data:")
            }

            Controls.ToolButton {
                objectName: "copyTaskDataButton"
                icon.source: "/Icons/copy.svg"
                text: qsTr("Copy")
                display: AbstractButton.IconOnly
                onClicked: Clipboard.setText(viewer.entity ? viewer.entity.uncutTaskData : "")
            }
        }

        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: availableWidth

            TextArea {
                objectName: "ticketTaskData"
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.Wrap
                textFormat: TextEdit.PlainText
                text: TaskTexts.shownData(viewer.entity ? viewer.entity.taskData : "")
            }
        }
    }
}
