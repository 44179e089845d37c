import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.impl 2.15
import QtQuick.Controls.Material 2.15

// An objective of the welcome view: icon and text at the left of a column-wide button.
Button {
    id: button

    leftPadding: 20
    rightPadding: 20
    font.capitalization: Font.MixedCase

    contentItem: IconLabel {
        spacing: button.spacing
        mirrored: button.mirrored
        display: button.display
        alignment: Qt.AlignLeft | Qt.AlignVCenter
        icon: button.icon
        text: button.text
        font: button.font
        color: button.enabled ? button.Material.foreground : button.Material.hintTextColor
    }
}
