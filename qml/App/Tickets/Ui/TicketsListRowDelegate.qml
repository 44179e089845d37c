import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

// The three columns of a ticket row; without a ticket, their titles.
Item {
    id: row

    property int containerWidth: 0
    property var entity: null

    readonly property var __texts: entity ? [TaskTexts.orNotAvailable(entity.deviceName),
                                             TaskTexts.statusName(entity.status),
                                             TaskTexts.shortDate(entity.validFrom)]
                                          : [Strings.deviceName, Strings.status, Strings.plannedFor]

    implicitWidth: containerWidth
    implicitHeight: columns.implicitHeight

    RowLayout {
        id: columns

        width: row.containerWidth
        spacing: 4

        Repeater {
            model: row.__texts

            Label {
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.minimumWidth: 32
                text: modelData
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.bold: !row.entity
            }
        }
    }
}
