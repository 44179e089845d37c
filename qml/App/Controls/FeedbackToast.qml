import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// The notice of Feedback.confirm(): plain text at the foot of the window for a few seconds. It
// takes no input and no focus, so it never stands between the operator and the screen.
Rectangle {
    id: toast
    objectName: "feedbackToast"

    // The text shown last; it stays after the notice has faded.
    readonly property string text: label.text
    property int showTime: 4000
    property bool shown: false

    function show(message) {
        label.text = message
        shown = true
        hideTimer.restart()
    }

    anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
    anchors.bottom: parent ? parent.bottom : undefined
    anchors.bottomMargin: 32
    width: Math.min(label.implicitWidth + 2 * 16, parent ? parent.width - 48 : 480, 640)
    height: label.implicitHeight + 2 * 10
    radius: 4
    color: "#323232"
    opacity: shown ? 0.95 : 0
    visible: opacity > 0
    z: 1000

    Accessible.role: Accessible.AlertMessage
    Accessible.name: label.text

    Behavior on opacity {
        NumberAnimation { duration: 150 }
    }

    Label {
        id: label
        objectName: "feedbackText"

        anchors.fill: parent
        anchors.margins: 10
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        color: "white"
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        maximumLineCount: 3
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }

    Timer {
        id: hideTimer
        interval: toast.showTime
        onTriggered: toast.shown = false
    }

    Connections {
        target: Feedback
        function onConfirmed(text) { toast.show(text) }
    }
}
