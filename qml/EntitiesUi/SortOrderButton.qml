import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0 as Controls

// Toggles a list between ascending and descending order.
Controls.ToolButton {
    id: button

    property bool descending: false

    icon.source: descending ? "/Icons/sort-descending.svg" : "/Icons/sort-ascending.svg"
    text: descending ? qsTr("Descending") : qsTr("Ascending")
    display: QQC2.AbstractButton.IconOnly
    QQC2.ToolTip.text: text
    QQC2.ToolTip.visible: hovered
    onClicked: descending = !descending
}
