import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

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
            height: control.isAcceptable ? 1 : 2
            color: control.isAcceptable ? control.palette.dark : "red"
        }
    }
}
