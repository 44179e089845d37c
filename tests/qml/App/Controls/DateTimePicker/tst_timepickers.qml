import QtQuick 2.15
import QtTest 1.15
import App.Controls.DateTimePicker 1.0

TestCase {
    id: testCase
    name: "TimePickers"
    when: windowShown
    width: 400
    height: 400

    // A caller whose binding must survive every write of the pickers.
    QtObject {
        id: holder
        property date shared: new Date(2026, 11, 7, 10, 45)
    }

    Component {
        id: timePickerComponent
        TimePicker {
            locale: Qt.locale("en_GB")
            value: holder.shared
        }
    }

    Component {
        id: dateTimePickerComponent
        DateTimePicker {
            width: 300
            locale: Qt.locale("en_GB")
            value: holder.shared
        }
    }

    function init() {
        holder.shared = new Date(2026, 11, 7, 10, 45)
    }

    function type(text) {
        for (var i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    function hoursAndMinutes(value) {
        return [value.getHours(), value.getMinutes()]
    }

    function test_timeListFollowsValue_data() {
        return [
            { tag: "between entries: the earlier one", at: [10, 45], row: 21, up: [10, 0], down: [11, 0] },
            { tag: "exactly on an entry", at: [10, 30], row: 21, up: [10, 0], down: [11, 0] },
            { tag: "a minute before an entry", at: [10, 29], row: 20, up: [9, 30], down: [10, 30] },
            { tag: "midnight wraps back", at: [0, 0], row: 0, up: [23, 30], down: [0, 30] },
            { tag: "last entry wraps forward", at: [23, 40], row: 47, up: [23, 0], down: [0, 0] }
        ]
    }

    function test_timeListFollowsValue(data) {
        holder.shared = new Date(2026, 11, 7, data.at[0], data.at[1])
        var picker = createTemporaryObject(timePickerComponent, testCase)
        compare(picker.timeList.currentIndex, data.row)
        picker.forceActiveFocus()
        tryVerify(function () { return picker.popup.opened })
        keyClick(Qt.Key_Up)
        compare(hoursAndMinutes(picker.value), data.up)
        // The day stays the same when the list wraps around.
        compare(picker.value.getDate(), 7)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        compare(hoursAndMinutes(picker.value), data.down)
        compare(picker.value.getDate(), 7)
    }

    function test_writesKeepCallersBinding() {
        var picker = createTemporaryObject(timePickerComponent, testCase)
        picker.forceActiveFocus()
        keyClick(Qt.Key_Down)
        compare(hoursAndMinutes(picker.value), [11, 0])
        holder.shared = new Date(2026, 11, 8, 6, 0)
        compare(hoursAndMinutes(picker.value), [6, 0])
        compare(picker.text, "06:00")

        var both = createTemporaryObject(dateTimePickerComponent, testCase)
        both.timeField.forceActiveFocus()
        keyClick(Qt.Key_Down)
        compare(hoursAndMinutes(both.value), [6, 30])
        both.dateField.forceActiveFocus()
        keyClick(Qt.Key_Up)
        compare(both.value.getDate(), 9)
        compare(hoursAndMinutes(both.value), [6, 30])
        holder.shared = new Date(2026, 0, 2, 12, 0)
        compare(both.value.getDate(), 2)
        compare(both.timeField.value.getHours(), 12)
        compare(both.dateField.text, "02/01/2026")
    }

    function test_typedTime() {
        var picker = createTemporaryObject(timePickerComponent, testCase)
        picker.forceActiveFocus()
        picker.selectAll()
        type("25:x")
        // Unreadable: the value stays, the text stays as typed.
        compare(hoursAndMinutes(picker.value), [10, 45])
        compare(picker.text, "25:x")
        picker.selectAll()
        type("13:05")
        compare(hoursAndMinutes(picker.value), [13, 5])
        compare(picker.value.getDate(), 7)
        // A half-typed text gives way to the value when the operator leaves.
        picker.selectAll()
        type("13:")
        compare(hoursAndMinutes(picker.value), [13, 5])
        keyClick(Qt.Key_Return)
        compare(picker.text, "13:05")
    }

    function test_typedDateAndCalendar() {
        var picker = createTemporaryObject(dateTimePickerComponent, testCase)
        picker.dateField.forceActiveFocus()
        tryVerify(function () { return picker.datePopup.opened })
        picker.dateField.selectAll()
        type("31/02/2026")
        compare(picker.value.getMonth(), 11)
        compare(picker.dateField.text, "31/02/2026")
        picker.dateField.selectAll()
        type("24/12/2026")
        compare(picker.value.getDate(), 24)
        compare(hoursAndMinutes(picker.value), [10, 45])
        // Opening the time list closes the calendar.
        picker.timeField.forceActiveFocus()
        tryVerify(function () { return picker.timeField.popup.opened })
        tryVerify(function () { return !picker.datePopup.visible })
        picker.dateField.forceActiveFocus()
        compare(picker.calendar.selectedDate.getDate(), 24)
        picker.calendar.clicked(new Date(2027, 2, 1))
        compare([picker.value.getFullYear(), picker.value.getMonth(), picker.value.getDate()], [2027, 2, 1])
        compare(hoursAndMinutes(picker.value), [10, 45])
        tryVerify(function () { return !picker.datePopup.visible })
    }

    function test_timeListRowClick() {
        var picker = createTemporaryObject(timePickerComponent, testCase)
        picker.forceActiveFocus()
        tryVerify(function () { return picker.popup.opened })
        var list = picker.timeList
        list.positionViewAtIndex(37, ListView.Beginning)
        var row = list.itemAtIndex(37)
        verify(row)
        compare(row.text, "18:30")
        mouseClick(row)
        compare(hoursAndMinutes(picker.value), [18, 30])
        compare(picker.value.getDate(), 7)
        tryVerify(function () { return !picker.popup.visible })
        verify(picker.activeFocus)
    }
}
