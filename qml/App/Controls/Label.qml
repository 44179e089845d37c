import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

QQC2.Label {
    renderType: enabled ? Text.NativeRendering : Text.QtRendering
    clip: true
}
