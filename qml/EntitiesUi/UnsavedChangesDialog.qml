import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Constants 1.0
import App.Controls 1.0 as Controls

// Asks before edits are thrown away; only its buttons close it.
EntityDialog {
    title: Strings.unsavedChangesTitle
    standardButtons: QQC2.Dialog.Discard | QQC2.Dialog.Close
    // Discarding must be a deliberate choice, never a stray Enter.
    enterButton: QQC2.Dialog.NoButton
    closePolicy: QQC2.Popup.NoAutoClose
    // The choice is made: the owner drops the edits on discarded().
    onDiscarded: close()

    // Long texts wrap instead of widening the dialog without end.
    contentWidth: Math.min(message.implicitWidth, 480)

    Controls.Label {
        id: message

        objectName: "messageLabel"
        width: parent ? parent.width : implicitWidth
        wrapMode: Text.WordWrap
        text: Strings.unsavedChangesMessage
    }
}
