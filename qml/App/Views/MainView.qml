import QtQuick 2.15
import QtQuick.Controls 2.15

// Stands in for the main view until the screens exist.
Page {
    objectName: "mainViewPlaceholder"

    Label {
        anchors.centerIn: parent
        text: qsTr("Kestrum console")
    }
}
