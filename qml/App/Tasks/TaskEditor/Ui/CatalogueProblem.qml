import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0 as Controls

// Why a catalogue list is empty, with a way to ask again; hidden while there is nothing to say.
RowLayout {
    id: problem

    property string text: ""

    signal retry()

    visible: text !== ""

    Controls.Label {
        objectName: "catalogueProblemText"
        Layout.fillWidth: true
        text: problem.text
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        maximumLineCount: 4
        elide: Text.ElideRight
        color: "#b00020"
    }

    Controls.Button {
        objectName: "catalogueRetryButton"
        text: qsTr("Retry")
        onClicked: problem.retry()
    }
}
