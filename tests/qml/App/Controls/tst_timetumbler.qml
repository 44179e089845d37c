import QtQuick 2.15
import QtTest 1.15
import App.Controls 1.0
import App.Controls.DateTimePicker 1.0

TestCase {
    id: testCase
    name: "TimeTumbler"
    when: windowShown
    width: 300
    height: 300

    Component {
        id: minutesComponent
        TimeTumbler {
            model: 60
            visibleItemCount: 3
            width: 26
            height: 60
            currentIndex: 42
        }
    }

    Component {
        id: pickerComponent
        TumblerTimePicker {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function test_normalise_data() {
        return [
            { tag: "past the end", typed: "60", index: 0 },
            { tag: "far past the end", typed: "75", index: 0 },
            { tag: "leading zero", typed: "07", index: 7 },
            { tag: "one digit", typed: "5", index: 5 },
            { tag: "double zero", typed: "00", index: 0 },
            { tag: "single zero keeps", typed: "0", index: 42 },
            { tag: "letters keep", typed: "ab", index: 42 },
            { tag: "empty keeps", typed: "", index: 42 }
        ]
    }

    function test_normalise(data) {
        var tumbler = createTemporaryObject(minutesComponent, testCase)
        var accepted = createTemporaryObject(spyComponent, testCase, { "target": tumbler, "signalName": "accepted" })
        tumbler.normalise(data.typed)
        compare(tumbler.currentIndex, data.index)
        compare(accepted.count, 1)
    }

    function test_typingIntoCurrentEntry() {
        var tumbler = createTemporaryObject(minutesComponent, testCase)
        var accepted = createTemporaryObject(spyComponent, testCase, { "target": tumbler, "signalName": "accepted" })
        tumbler.selectAll()
        var input = tumbler.currentItem
        tryVerify(function () { return input.activeFocus })
        compare(input.selectedText, "42")
        keyClick("x")
        keyClick("7")
        compare(input.text, "7")
        keyClick(Qt.Key_Return)
        compare(tumbler.currentIndex, 7)
        compare(accepted.count, 1)
        // Every entry shows its own number again, the typed one included.
        tryCompare(tumbler.currentItem, "text", "07")
        compare(input.text, "42")
    }

    function test_twelveHourEntries() {
        var tumbler = createTemporaryObject(minutesComponent, testCase, { "model": 12, "currentIndex": 0 })
        compare(tumbler.currentItem.text, "01")
        tumbler.normalise("12")
        compare(tumbler.currentIndex, 11)
        tumbler.normalise("13")
        compare(tumbler.currentIndex, 0)
    }

    function test_pickerEditsDateInPlace() {
        var time = new Date(1970, 0, 1, 7, 30)
        var picker = createTemporaryObject(pickerComponent, testCase, { "entity": time })
        // Setting up the tumblers writes nothing.
        compare([time.getHours(), time.getMinutes()], [7, 30])
        compare(picker.hoursTumbler.currentIndex, 7)
        compare(picker.minutesTumbler.currentIndex, 30)
        picker.minutesTumbler.currentIndex = 15
        picker.hoursTumbler.currentIndex = 19
        compare([time.getHours(), time.getMinutes()], [19, 15])
        compare(picker.entity, time)
        // Typed hours move on to the minutes.
        picker.hoursTumbler.selectAll()
        keyClick("6")
        keyClick(Qt.Key_Return)
        compare(time.getHours(), 6)
        tryVerify(function () { return picker.minutesTumbler.currentItem.activeFocus })
        compare(picker.minutesTumbler.currentItem.selectedText, "15")
    }

    function test_pickerTwelveHourMode_data() {
        return [
            { tag: "afternoon", hours: 14, shownIndex: 1, dayPart: "PM" },
            { tag: "noon", hours: 12, shownIndex: 11, dayPart: "PM" },
            { tag: "midnight", hours: 0, shownIndex: 11, dayPart: "AM" },
            { tag: "morning", hours: 9, shownIndex: 8, dayPart: "AM" }
        ]
    }

    function test_pickerTwelveHourMode(data) {
        var time = new Date(1970, 0, 1, data.hours, 5)
        var picker = createTemporaryObject(pickerComponent, testCase, { "entity": time, "amPm": true })
        compare(time.getHours(), data.hours)
        compare(picker.hoursTumbler.currentIndex, data.shownIndex)
        compare(picker.dayPart, data.dayPart)
        // The other half of the day, same clock face.
        picker.dayPartTumbler.currentIndex = data.dayPart === "AM" ? 1 : 0
        compare(time.getHours(), (data.hours + 12) % 24)
        compare(time.getMinutes(), 5)
    }
}
