import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// Asks before an action the owner performs on accepted(); title and text are the owner's.
EntityDialog {
    id: dialog

    property alias text: message.text

    standardButtons: QQC2.Dialog.Ok | QQC2.Dialog.Cancel
    contentWidth: message.width

    DialogMessage {
        id: message
    }
}
