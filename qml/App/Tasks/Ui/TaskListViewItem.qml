import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0
import App.Constants 1.0
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

// One task of the list: its status, type and ticket counts.
ListViewItem {
    id: item

    height: implicitHeight

    contentItem: RowLayout {
        spacing: 8

        StatusIndicator {
            Layout.alignment: Qt.AlignTop
            status: item.mData ? item.mData.status : -1
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0

            Label {
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: TaskTexts.typeName(item.mData ? item.mData.type : -1)
                font.bold: true
                // A narrow list wraps a long type name rather than cutting it.
                wrapMode: Text.Wrap
            }

            Repeater {
                model: item.mData ? [
                    [Strings.status, TaskTexts.statusName(item.mData.status)],
                    [qsTr("Succeeded:"), item.mData.succeededCount],
                    [qsTr("Pending:"), item.mData.pendingCount],
                    [qsTr("Failed:"), item.mData.failedCount]
                ] : []

                Label {
                    textFormat: Text.PlainText
                    Layout.fillWidth: true
                    text: modelData[0] + " " + modelData[1]
                    font.pixelSize: 11
                    elide: Text.ElideRight
                }
            }
        }
    }
}
