import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0 as Controls

// The fixed, checked marker in front of a list's sort or filter controls.
Controls.ToolButton {
    checkable: false
    checked: true
    enabled: false
    display: QQC2.AbstractButton.IconOnly
    focusPolicy: Qt.NoFocus
}
