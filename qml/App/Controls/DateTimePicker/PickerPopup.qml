import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// The pop-up under a picker's field: closed by Escape or a press outside the field.
QQC2.Popup {
    y: parent ? parent.height - 4 : 0
    padding: 0
    closePolicy: QQC2.Popup.CloseOnEscape | QQC2.Popup.CloseOnPressOutsideParent
}
