import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// The owner deletes the entity on accepted(). An owner that does something else with it
// (archives, unbinds) gives its own title and text, naming that action.
EntityDialog {
    id: dialog

    property string entityTypeName
    property var entity
    property alias text: message.text
    // The entity's name, empty when it has none.
    readonly property string entityName: entity && entity.name ? entity.name : ""

    title: qsTr("Confirm delete %1").arg(entityTypeName)
    standardButtons: QQC2.Dialog.Ok | QQC2.Dialog.Cancel

    contentWidth: message.width

    DialogMessage {
        id: message
        text: qsTr("Are you sure to delete %1 %2?").arg(dialog.entityTypeName).arg(dialog.entityName)
    }
}
