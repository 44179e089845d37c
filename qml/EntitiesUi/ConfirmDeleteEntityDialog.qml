import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// The owner deletes (or archives) the entity on accepted().
EntityDialog {
    id: dialog

    property string entityTypeName
    property var entity

    title: qsTr("Confirm delete %1").arg(entityTypeName)
    standardButtons: QQC2.Dialog.Ok | QQC2.Dialog.Cancel

    contentWidth: message.width

    DialogMessage {
        id: message
        text: qsTr("Are you sure to delete %1 %2?").arg(dialog.entityTypeName)
                  .arg(dialog.entity && dialog.entity.name ? dialog.entity.name : "")
    }
}
