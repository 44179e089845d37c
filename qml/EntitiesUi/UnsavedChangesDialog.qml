import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Constants 1.0

// Asks before edits are thrown away; only its buttons close it.
EntityDialog {
    title: Strings.unsavedChangesTitle
    standardButtons: QQC2.Dialog.Discard | QQC2.Dialog.Close
    // Discarding must be a deliberate choice, never a stray Enter.
    enterButton: QQC2.Dialog.NoButton
    closePolicy: QQC2.Popup.NoAutoClose
    // The choice is made: the owner drops the edits on discarded().
    onDiscarded: close()

    contentWidth: message.width

    DialogMessage {
        id: message
        text: Strings.unsavedChangesMessage
    }
}
