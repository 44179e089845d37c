import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Controls 1.0

// Stands for an objective whose screen is not part of the console yet.
Pane {
    property var navigator: null
    property string title: ""

    UnderConstruction {
        anchors.centerIn: parent
        width: 420
        height: 240
    }
}
