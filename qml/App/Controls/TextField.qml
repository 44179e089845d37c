import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls.Material 2.15

// Only a bottom line: thin while the input is acceptable, thick and red while it is not.
QQC2.TextField {
    id: control

    property bool isAcceptable: acceptableInput

    selectByMouse: true
    mouseSelectionMode: TextInput.SelectWords
    renderType: enabled ? Text.NativeRendering : Text.QtRendering
    clip: true

    background: Item {
        implicitWidth: 120
        implicitHeight: 2

        Rectangle {
            objectName: "underline"
            y: control.height - height - control.bottomPadding + 8
            width: parent.width
            // Thick while the field has the keyboard focus, so the focus is seen at a glance.
            height: !control.isAcceptable || control.activeFocus ? 2 : 1
            color: !control.isAcceptable ? "red" : control.activeFocus ? control.Material.accent : control.palette.dark
        }
    }
}
