import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// A tumbler of two-digit numbers (hours or minutes) whose current entry can also be typed.
QQC2.Tumbler {
    id: tumbler

    property bool acceptKeyboardInput: true
    // Incremented to rebuild every entry's text from its index (after typing into one).
    property int seed: 0

    signal accepted()
    signal selectAllRequested()

    // A twelve-entry tumbler counts the hours of a clock face: 01 to 12.
    function formatText(count, index) {
        var number = count === 12 ? index + 1 : index
        return number < 10 ? "0" + number : String(number)
    }

    // The index a typed number stands for; out of range counts as the first entry.
    function indexOfTyped(number) {
        var index = count === 12 ? number - 1 : number
        return index >= 0 && index < count ? index : 0
    }

    function normalise(text) {
        var number = /^[0-9]+$/.test(text) ? parseInt(text, 10) : NaN
        var index = currentIndex
        if (number > 0)
            index = indexOfTyped(number)
        else if (text === "00")
            index = 0
        // Texts first: the typed entry then has nothing left to normalise when it stops being current.
        seed++
        currentIndex = index
        accepted()
    }

    function selectAll() {
        forceActiveFocus()
        selectAllRequested()
    }

    // A wheel still turning after a flick stops on the entry in its middle now: the current
    // one, which is what the operator saw when he committed and what is stored.
    function settle() {
        if (moving)
            tumbler.positionViewAtIndex(currentIndex, QQC2.Tumbler.Center)
    }

    // The mouse wheel steps one entry per notch (touch pads add up their smaller steps).
    MouseArea {
        anchors.fill: parent
        z: 1
        acceptedButtons: Qt.NoButton

        property int __pending: 0

        onWheel: {
            __pending += wheel.angleDelta.y
            var steps = Math.trunc(__pending / 120)
            if (steps === 0 || tumbler.count <= 0)
                return
            __pending -= steps * 120
            tumbler.currentIndex = ((tumbler.currentIndex - steps) % tumbler.count + tumbler.count) % tumbler.count
        }
    }

    delegate: TextInput {
        id: input

        readonly property bool isCurrent: index === tumbler.currentIndex
        readonly property string shownText: tumbler.formatText(tumbler.count, index)

        function leave() {
            deselect()
            if (text !== shownText)
                tumbler.normalise(text)
        }

        // Reading seed makes its increment rebuild the text.
        text: tumbler.seed >= 0 ? shownText : ""
        font: tumbler.font
        color: tumbler.palette.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        opacity: 1.0 - Math.abs(QQC2.Tumbler.displacement) / (tumbler.visibleItemCount / 2)
        maximumLength: 2
        validator: RegularExpressionValidator { regularExpression: /[0-9]*/ }
        enabled: tumbler.acceptKeyboardInput && isCurrent

        onActiveFocusChanged: {
            if (activeFocus && isCurrent)
                selectAll()
            else if (!activeFocus)
                leave()
        }
        onIsCurrentChanged: {
            if (!isCurrent)
                deselect()
        }
        onAccepted: tumbler.normalise(text)

        Connections {
            target: tumbler
            function onSelectAllRequested() {
                if (input.isCurrent)
                    input.forceActiveFocus()
            }
        }
    }
}
