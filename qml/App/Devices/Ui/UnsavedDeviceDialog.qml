import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Constants 1.0
import EntitiesUi 1.0

// Asks what becomes of a device's edits that are not stored before the operator leaves it:
// accepted() saves them, discarded() drops them, rejected() stays with the device.
EntityDialog {
    id: dialog

    property string deviceName: ""

    title: Strings.unsavedChangesTitle
    standardButtons: QQC2.Dialog.Save | QQC2.Dialog.Discard | QQC2.Dialog.Cancel
    enterButton: QQC2.Dialog.Save
    closePolicy: QQC2.Popup.NoAutoClose
    contentWidth: message.width

    onDiscarded: close()

    DialogMessage {
        id: message
        text: qsTr("The changes to %1 are not stored. Save them?").arg(dialog.deviceName || Strings.notAvailable)
    }
}
