import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts
import "qrc:///Datamizer/DataUtils.js" as DataUtils

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
            id: typeLabel
            textFormat: Text.PlainText
            // Wide enough for the longest type name in the font shown.
            Layout.preferredWidth: Math.ceil(Math.max.apply(null, TaskTexts.typeNames().map(function (name) {
                return typeMetrics.advanceWidth(name)
            })))
            text: item.ticket && item.ticket.status !== -1 ? TaskTexts.typeName(Number(item.ticket.type))
                                                           : qsTr("N/A")
            elide: Text.ElideRight

            FontMetrics {
                id: typeMetrics
                font: typeLabel.font
            }
        }

        Label {
            Layout.fillWidth: true
            // One line shows no more than a name's length; laying out all of a long text costs.
            text: TaskTexts.orNotAvailable(item.ticket ? DataUtils.cutText(item.ticket.taskData,
                                                                             DataUtils.maxTextLength) : "")
            textFormat: Text.PlainText
            elide: Text.ElideRight
            maximumLineCount: 1
        }
    }
}
