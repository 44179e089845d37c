import QtQuick 2.15
import QtTest 1.15
import App.Controls 1.0

Item {
    id: root

    width: 400
    height: 300

    property bool flag: false

    Button { id: button; text: "Save changes" }
    ToolButton { id: toolButton; text: "Refresh" }
    TabButton { id: tabButton; text: "Devices" }
    Label { id: label; text: "Name" }
    CheckBox { id: checkBox; text: "Show archived" }
    TextField { id: plainField }
    TextField { id: validatedField; validator: IntValidator { bottom: 1; top: 10 } }
    TextField { id: conditionField; isAcceptable: text.length >= 3; validator: IntValidator {} }
    RectangularSwitch { id: rectangularSwitch; text: "Synchronise" }
    RectangularToolButton { id: dayButton; text: "monday tuesday" }

    TestCase {
        name: "TextControls"
        when: windowShown

        function underlineOf(field) {
            return findChild(field.background, "underline")
        }

        function init() {
            [button, toolButton, tabButton, label, checkBox, plainField].forEach(function (c) {
                c.enabled = true
            })
        }

        // Button texts are checked natively: scripts cannot see their text item's properties.
        function test_renderingFollowsEnabled_data() {
            return [
                { tag: "Label", control: label, text: function () { return label } },
                { tag: "CheckBox", control: checkBox, text: function () { return checkBox.contentItem } },
                { tag: "TextField", control: plainField, text: function () { return plainField } }
            ]
        }

        function test_renderingFollowsEnabled(data) {
            var text = data.text()
            verify(text, "no text item")
            compare(text.renderType, Text.NativeRendering)
            data.control.enabled = false
            compare(text.renderType, Text.QtRendering)
            data.control.enabled = true
            compare(text.renderType, Text.NativeRendering)
        }

        function test_buttonTextKeepsItsCase_data() {
            return [
                { tag: "Button", control: button },
                { tag: "ToolButton", control: toolButton },
                { tag: "TabButton", control: tabButton }
            ]
        }

        function test_buttonTextKeepsItsCase(data) {
            compare(data.control.font.capitalization, Font.MixedCase)
        }

        function test_alignmentReachesTheContent() {
            button.alignment = Qt.AlignLeft | Qt.AlignVCenter
            compare(button.contentItem.alignment, Qt.AlignLeft | Qt.AlignVCenter)
            button.alignment = Qt.AlignHCenter | Qt.AlignVCenter
            compare(button.contentItem.alignment, Qt.AlignHCenter | Qt.AlignVCenter)
        }

        function test_underlineShowsAcceptability_data() {
            return [
                { tag: "no validator", field: plainField, text: "", acceptable: true },
                { tag: "valid number", field: validatedField, text: "5", acceptable: true },
                { tag: "number out of range", field: validatedField, text: "50", acceptable: false },
                { tag: "empty with validator", field: validatedField, text: "", acceptable: false },
                // A screen's own condition wins over the validator either way.
                { tag: "condition not met", field: conditionField, text: "12", acceptable: false },
                { tag: "condition met", field: conditionField, text: "123", acceptable: true }
            ]
        }

        function test_underlineShowsAcceptability(data) {
            data.field.text = data.text
            compare(data.field.isAcceptable, data.acceptable)
            var line = underlineOf(data.field)
            verify(line)
            compare(line.height, data.acceptable ? 1 : 2)
            if (data.acceptable)
                verify(Qt.colorEqual(line.color, data.field.palette.dark))
            else
                verify(Qt.colorEqual(line.color, Qt.rgba(1, 0, 0, 1)))
        }

        function test_textFieldSelectsWords() {
            compare(plainField.selectByMouse, true)
            compare(plainField.mouseSelectionMode, TextInput.SelectWords)
        }

        function test_rectangularSwitchText() {
            compare(rectangularSwitch.checked, true)
            compare(rectangularSwitch.indicatorText, "On ")
            var knob = findChild(rectangularSwitch.indicator, "knob")
            compare(knob.x, rectangularSwitch.indicator.width - knob.width)
            rectangularSwitch.toggle()
            compare(rectangularSwitch.indicatorText, "Off")
            compare(knob.x, 0)
            rectangularSwitch.toggle()
        }

        function test_rectangularToolButtonColours() {
            dayButton.checked = false
            verify(Qt.colorEqual(dayButton.background.color, dayButton.color))
            verify(Qt.colorEqual(dayButton.contentItem.color, Qt.rgba(0, 0, 0, 1)))
            dayButton.checked = true
            verify(Qt.colorEqual(dayButton.background.color, "#3F51B5"))
            verify(Qt.colorEqual(dayButton.contentItem.color, Qt.rgba(1, 1, 1, 1)))
            dayButton.customTextColor = true
            dayButton.textColor = "green"
            verify(Qt.colorEqual(dayButton.contentItem.color, "green"))
            dayButton.useAlternateColors = false
            verify(Qt.colorEqual(dayButton.background.color, dayButton.color))
            dayButton.customTextColor = false
            dayButton.useAlternateColors = true
            dayButton.checked = false
        }
    }
}
