import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

// One ticket of a device: its status, the task's type and the task's data.
ListViewItem {
    id: item

    readonly property var ticket: mData

    contentItem: RowLayout {
        spacing: 8

        Image {
            objectName: "deviceTicketStatusIcon"
            source: TaskTexts.rowIcon(item.ticket ? item.ticket.status : undefined)
            sourceSize: Qt.size(20, 20)
        }

        Label {
            textFormat: Text.PlainText
            Layout.preferredWidth: 140
            text: item.ticket && item.ticket.status !== -1 ? TaskTexts.typeName(Number(item.ticket.type))
                                                           : qsTr("N/A")
            elide: Text.ElideRight
        }

        Label {
            Layout.fillWidth: true
            text: TaskTexts.orNotAvailable(item.ticket ? item.ticket.taskData : "")
            textFormat: Text.PlainText
            elide: Text.ElideRight
            maximumLineCount: 1
        }
    }
}
