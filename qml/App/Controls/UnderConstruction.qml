import QtQuick 2.15
import App.Constants 1.0

Rectangle {
    id: panel

    radius: 10
    color: palette.alternateBase
    border.color: palette.dark

    SystemPalette {
        id: palette
    }

    Column {
        anchors.centerIn: parent
        width: parent.width - 2 * panel.radius
        spacing: 12

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "/Icons/construction.svg"
            sourceSize: Qt.size(64, 64)
        }

        Label {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: Strings.underConstruction
        }
    }
}
