import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// An on/off switch drawn as a rectangle with the state written on its knob.
QQC2.Switch {
    id: control

    property string indicatorText: checked ? qsTr("On ") : qsTr("Off")

    checked: true
    padding: 0

    indicator: Rectangle {
        implicitWidth: 60
        implicitHeight: 26
        x: control.width - width
        y: (control.height - height) / 2
        color: control.checked ? "#3F51B5" : "transparent"
        border.color: control.checked ? "#3F51B5" : "#cccccc"

        Rectangle {
            objectName: "knob"
            x: control.checked ? parent.width - width : 0
            width: 30
            height: 26
            color: control.pressed ? "#cccccc" : "#ffffff"
            border.color: control.checked ? "#3F51B5" : "#999999"

            Text {
                anchors.centerIn: parent
                text: control.indicatorText
                textFormat: Text.PlainText
                renderType: control.enabled ? Text.NativeRendering : Text.QtRendering
            }
        }
    }

    contentItem: Text {
        text: control.text
        font: control.font
        color: "black"
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
        opacity: control.enabled ? 1 : 0.3
        rightPadding: control.indicator.width + control.spacing
        renderType: control.enabled ? Text.NativeRendering : Text.QtRendering
    }
}
