import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// A clear frame around a control while it has the keyboard focus.
Rectangle {
    property Item control: parent

    objectName: "focusFrame"
    anchors.fill: parent
    anchors.margins: 2
    z: 1
    visible: control && control.visualFocus === true
    color: "transparent"
    radius: 2
    border.width: 2
    border.color: Material.accent
}
