import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.12

// A flat round close button.
QQC2.Button {
    id: control

    flat: true
    padding: 0
    topInset: 0
    bottomInset: 0
    leftInset: 0
    rightInset: 0
    icon.source: "/Icons/cancel.svg"

    background: Rectangle {
        implicitWidth: control.Material.buttonHeight
        implicitHeight: control.Material.buttonHeight
        radius: width / 2
        color: !control.enabled ? control.Material.buttonDisabledColor
                                : control.highlighted ? control.Material.highlightedButtonColor
                                                      : control.Material.buttonColor

        layer.enabled: control.enabled && control.Material.buttonColor.a > 0
        layer.effect: ElevationEffect {
            elevation: control.Material.elevation
        }

        Ripple {
            clipRadius: width / 2
            width: parent.width
            height: parent.height
            pressed: control.pressed
            anchor: control
            active: control.down || control.visualFocus || control.hovered
            color: control.Material.rippleColor
        }
    }
}
