import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

QQC2.CheckBox {
    id: control

    Component.onCompleted: {
        contentItem.renderType = Qt.binding(function () {
            return control.enabled ? Text.NativeRendering : Text.QtRendering
        })
    }
}
