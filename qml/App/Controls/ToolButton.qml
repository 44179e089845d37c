import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import "ButtonKeys.js" as ButtonKeys

// Texts are shown as written: the style would upper-case them.
QQC2.ToolButton {
    id: control

    property int alignment: Qt.AlignHCenter | Qt.AlignVCenter

    font.capitalization: Font.MixedCase
    onAlignmentChanged: contentItem.alignment = alignment
    Keys.onReturnPressed: ButtonKeys.press(control, event)
    Keys.onEnterPressed: ButtonKeys.press(control, event)

    FocusFrame {}

    IconLabelRenderTypePatcher {
        target: control.contentItem
        enabled: control.enabled
    }
}
