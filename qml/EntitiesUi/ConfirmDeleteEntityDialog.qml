import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0 as Controls

// The owner deletes (or archives) the entity on accepted().
EntityDialog {
    id: dialog

    property string entityTypeName
    property var entity

    title: qsTr("Confirm delete %1").arg(entityTypeName)
    standardButtons: QQC2.Dialog.Ok | QQC2.Dialog.Cancel

    // Long texts wrap instead of widening the dialog without end.
    contentWidth: Math.min(message.implicitWidth, 480)

    Controls.Label {
        id: message

        objectName: "messageLabel"
        width: parent ? parent.width : implicitWidth
        wrapMode: Text.WordWrap
        text: qsTr("Are you sure to delete %1 %2?").arg(dialog.entityTypeName)
                  .arg(dialog.entity && dialog.entity.name ? dialog.entity.name : "")
    }
}
