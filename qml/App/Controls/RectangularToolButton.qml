import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// A checkable, rounded tool button for choices laid out in a row (week days, modes).
QQC2.ToolButton {
    id: control

    property var value
    property bool customTextColor: false
    property color textColor: "black"
    property bool useAlternateColors: true
    property color color: Qt.lighter(palette.dark, 1.5)
    property color alternateColor: "#3F51B5"

    function backgroundColor() {
        if (useAlternateColors) {
            var base = checked || highlighted ? alternateColor : color
            return pressed ? Qt.darker(base, 1.5) : base
        }
        return enabled && pressed && (checked || highlighted) ? Qt.darker(color, 1.5) : color
    }

    implicitWidth: 40
    implicitHeight: 35
    checkable: true
    font.capitalization: Font.Capitalize

    contentItem: Text {
        text: control.text
        font: control.font
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        renderType: control.enabled ? Text.NativeRendering : Text.QtRendering
        color: control.customTextColor ? control.textColor : (control.checked ? "white" : "black")
    }

    background: Rectangle {
        radius: 8
        border.color: control.palette.shadow
        opacity: control.enabled ? 1 : 0.3
        color: control.backgroundColor()
    }
}
