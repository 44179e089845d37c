import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// Holds one control (its first child, filling the holder) and tells on hover why it is
// disabled: a disabled control takes no hover itself.
Item {
    id: holder

    property string reason: ""
    readonly property Item control: children.length > 0 ? children[0] : null
    readonly property alias toolTip: toolTip

    implicitWidth: control ? control.implicitWidth : 0
    implicitHeight: control ? control.implicitHeight : 0

    HoverHandler {
        id: hover
    }

    QQC2.ToolTip {
        id: toolTip
        text: holder.reason
        visible: hover.hovered && text !== "" && !!holder.control && !holder.control.enabled
    }
}
