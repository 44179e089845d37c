import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import EntitiesUi 1.0

// Asks before the console switches from one user's context to another's.
EntityDialog {
    id: dialog

    property var current: null
    property var target: null
    // The switch to run on OK.
    property var creds: null
    readonly property alias text: message.text

    title: qsTr("Confirm user switching")
    standardButtons: QQC2.Dialog.Ok | QQC2.Dialog.Cancel
    contentWidth: message.width

    DialogMessage {
        id: message
        objectName: "userSwitchMessageLabel"
        textFormat: Text.PlainText
        text: qsTr("Are you sure to switch from %1 to '%2'?")
                  .arg(dialog.current && dialog.current.name ? dialog.current.name : "")
                  .arg(dialog.target && dialog.target.name ? dialog.target.name : "")
    }
}
