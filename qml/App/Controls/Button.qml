import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// Texts are shown as written: the style would upper-case them.
QQC2.Button {
    id: control

    property int alignment: Qt.AlignHCenter | Qt.AlignVCenter

    font.capitalization: Font.MixedCase
    onAlignmentChanged: contentItem.alignment = alignment

    IconLabelRenderTypePatcher {
        target: control.contentItem
        enabled: control.enabled
    }
}
