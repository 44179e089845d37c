import QtQuick 2.15
import QtTest 1.15
import App.Controls 1.0 as AppControls

// The notice of a write: shown with its text, replaced by the next one, gone by itself, and
// never in the way of a click on what lies below.
TestCase {
    id: testCase
    name: "FeedbackToast"
    when: windowShown
    visible: true
    width: 600
    height: 400

    property int clicks: 0

    MouseArea {
        anchors.fill: parent
        onClicked: ++testCase.clicks
    }

    AppControls.FeedbackToast {
        id: toast
        showTime: 300
    }

    function test_showsEachConfirmationThenHides() {
        AppControls.Feedback.confirm("Device 0026 saved.")
        tryVerify(function () { return toast.visible })
        compare(findChild(toast, "feedbackText").text, "Device 0026 saved.")
        // The next write's notice replaces the first at once.
        AppControls.Feedback.confirm("Tag 'Lobby' created.")
        compare(toast.text, "Tag 'Lobby' created.")
        mouseClick(toast)
        compare(clicks, 1)
        tryVerify(function () { return !toast.visible }, 3000)
        compare(toast.text, "Tag 'Lobby' created.")
    }
}
