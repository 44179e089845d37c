import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// A check box whose label is drawn as written: a multi-select lists names from the service.
QQC2.CheckBox {
    id: control

    Component.onCompleted: {
        contentItem.textFormat = Text.PlainText
        contentItem.renderType = Qt.binding(function () {
            return control.enabled ? Text.NativeRendering : Text.QtRendering
        })
    }
}
