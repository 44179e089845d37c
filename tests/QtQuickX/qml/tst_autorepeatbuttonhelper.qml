import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import QtQuickX 1.0

TestCase {
    id: testCase
    name: "AutoRepeatButtonHelper"

    // Stands in for a button: pressed is writable here, a real button's is not.
    QtObject {
        id: plainButton
        property bool pressed: false
        property var action: null
        property int clicks: 0
        signal clicked()
        onClicked: clicks += 1
    }

    Action {
        id: action
        property int triggers: 0
        property var lastSource: null
        onTriggered: {
            triggers += 1
            lastSource = source
        }
    }

    QtObject {
        id: actionButton
        property bool pressed: false
        property var action: action
        property int clicks: 0
        signal clicked()
        onClicked: clicks += 1
    }

    AutoRepeatButtonHelper {
        id: plainHelper
        button: plainButton
        autoRepeatDelay: 600
        autoRepeatInterval: 40
    }

    AutoRepeatButtonHelper {
        id: actionHelper
        button: actionButton
        autoRepeatDelay: 30
        autoRepeatInterval: 30
    }

    function cleanup() {
        plainButton.pressed = false
        actionButton.pressed = false
    }

    function test_delayThenInterval() {
        var started = Date.now()
        plainButton.pressed = true
        tryVerify(function() { return plainHelper.triggerCount >= 1 }, 2000)
        var firstAt = Date.now() - started
        verify(firstAt >= 570, "first repeat after " + firstAt + " ms")
        tryVerify(function() { return plainHelper.triggerCount >= 4 }, 2000)
        // Three more triggers at the short interval, well before another long delay.
        var fourthAt = Date.now() - started
        verify(fourthAt < firstAt + 570, "fourth repeat after " + fourthAt + " ms")
        compare(plainButton.clicks, plainHelper.triggerCount)

        // The release stops the timer at once; three repeat intervals (QML timers run on the
        // animation clock, which no sentinel timer is ordered with) give a wrongly running one
        // time to show.
        plainButton.pressed = false
        var count = plainHelper.triggerCount
        wait(120)
        compare(plainHelper.triggerCount, count)

        // No repeat before the long delay again; a wait that a loaded machine stretched past
        // that delay proves nothing either way.
        plainButton.pressed = true
        var pressedAt = Date.now()
        compare(plainHelper.triggerCount, 0)
        wait(300)
        if (Date.now() - pressedAt < 570)
            compare(plainHelper.triggerCount, 0)
    }

    function test_actionInsteadOfClicked() {
        actionButton.pressed = true
        tryVerify(function() { return action.triggers >= 2 }, 2000)
        actionButton.pressed = false
        compare(actionButton.clicks, 0)
        compare(action.lastSource, actionButton)
        compare(action.triggers, actionHelper.triggerCount)
    }
}
