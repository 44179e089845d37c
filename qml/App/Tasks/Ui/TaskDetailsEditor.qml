import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Constants 1.0
import App.Controls 1.0 as Controls
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

// The current task, read only.
Pane {
    id: details

    property var entity: null

    readonly property var __rows: entity ? [
        [Strings.type, TaskTexts.typeName(entity.type)],
        [Strings.status, TaskTexts.statusName(entity.status)],
        [Strings.taskValidFrom, TaskTexts.shortDate(entity.validFrom)],
        [Strings.taskValidTill, TaskTexts.shortDate(entity.validTo)],
        [qsTr("Pending:"), entity.pendingCount],
        [qsTr("Succeeded:"), entity.succeededCount],
        [qsTr("Failed:"), entity.failedCount]
    ] : []

    enabled: !!entity

    ColumnLayout {
        anchors.fill: parent

        GridLayout {
            Layout.fillWidth: true
            columns: 4

            Repeater {
                model: details.__rows.length * 2

                Controls.Label {
                    textFormat: Text.PlainText
                    Layout.fillWidth: index % 2 === 1
                    text: String(details.__rows[Math.floor(index / 2)][index % 2])
                    font.bold: index % 2 === 0
                    // A long type name wraps rather than losing its end.
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true

            Controls.Label {
                Layout.fillWidth: true
                text: qsTr("Task data:")
                font.bold: true
            }

            // The data as the service sent it, for a support request or a script.
            Controls.ToolButton {
                objectName: "copyTaskDetailsDataButton"
                icon.source: "/Icons/copy.svg"
                text: qsTr("Copy")
                display: AbstractButton.IconOnly
                enabled: !!details.entity && details.entity.uncutTaskData !== ""
                ToolTip.text: qsTr("Copy the task data as sent")
                ToolTip.visible: hovered
                onClicked: Clipboard.setText(details.entity.uncutTaskData)
            }
        }

        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: availableWidth

            TextArea {
                objectName: "taskDataText"
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.Wrap
                textFormat: TextEdit.PlainText
                text: TaskTexts.shownData(details.entity ? details.entity.taskData : "")
            }
        }
    }
}
