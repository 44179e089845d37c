import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls.Material 2.15

// A check box whose label is drawn as written: a multi-select lists names from the service. The
// label is plain from its first frame; switched over after creation, it would already have
// fetched the images that markup in a name points to.
QQC2.CheckBox {
    id: control

    contentItem: Text {
        leftPadding: control.indicator && !control.mirrored ? control.indicator.width + control.spacing : 0
        rightPadding: control.indicator && control.mirrored ? control.indicator.width + control.spacing : 0

        text: control.text
        textFormat: Text.PlainText
        font: control.font
        color: control.enabled ? control.Material.foreground : control.Material.hintTextColor
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
        renderType: control.enabled ? Text.NativeRendering : Text.QtRendering
    }
}
