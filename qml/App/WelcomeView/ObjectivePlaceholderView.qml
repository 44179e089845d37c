import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Constants 1.0

// Stands for an objective whose screen is not part of the console yet.
Pane {
    property var navigator: null
    property string title: ""

    Label {
        anchors.centerIn: parent
        width: Math.min(implicitWidth, parent.width)
        text: Strings.underConstruction
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
    }
}
