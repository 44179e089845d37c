import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls 1.4 as QQC1
import QtQuickX 1.0
import App.Controls 1.0 as Controls

// A date field with a calendar pop-up next to a time field with the day's time list.
QQC2.Control {
    id: control

    property date value: new Date()
    property int dayPartsCount: 24 * 2
    readonly property real dayPartLengthInMinutes: 24 / dayPartsCount * 60
    readonly property alias dateField: dateField
    readonly property alias timeField: timeField
    readonly property alias datePopup: datePopup
    // Made on the first opening of the pop-up: a calendar is costly and most pickers stay closed.
    readonly property var calendar: calendarLoader.item

    function setValue(v) {
        QmlX.writeProperty(control, "value", DateTimeOffset.of(v).value, QmlX.DontRemoveBinding)
    }

    function __offsetValue() {
        return DateTimeOffset.of(value)
    }

    // Calendar days, so that a change of daylight saving time keeps the time of day.
    function __shiftDays(days) {
        var shifted = new Date(value.getTime())
        shifted.setDate(shifted.getDate() + days)
        setValue(shifted)
    }

    contentItem: Row {
        Controls.TextField {
            id: dateField

            function showValue() {
                text = control.__offsetValue().toLocaleDateString(control.locale, Locale.ShortFormat)
            }

            function openCalendar() {
                timeField.popup.close()
                selectAll()
                datePopup.open()
            }

            width: Math.max(80, control.availableWidth - timeField.width)
            leftPadding: 8
            inputMethodHints: Qt.ImhDate

            Component.onCompleted: showValue()
            onEditingFinished: showValue()
            onTextEdited: {
                var parsed = DateTimeOffset.fromDateString(text, control.locale, Locale.ShortFormat)
                if (parsed.isValid)
                    control.setValue(parsed.withTime(control.__offsetValue()))
            }
            onPressed: openCalendar()
            onActiveFocusChanged: {
                if (activeFocus)
                    openCalendar()
            }
            Keys.onUpPressed: control.__shiftDays(1)
            Keys.onDownPressed: control.__shiftDays(-1)

            Connections {
                target: control
                function onValueChanged() { dateField.showValue() }
                function onLocaleChanged() { dateField.showValue() }
            }

            PickerPopup {
                id: datePopup

                // The calendar's own clicks replace any binding, so it is set on each opening.
                onAboutToShow: {
                    calendarLoader.active = true
                    calendarLoader.item.selectedDate = control.value
                }

                contentItem: Item {
                    // Room for the longest month name and year in the navigation bar.
                    implicitWidth: 300
                    implicitHeight: 260

                    Loader {
                        id: calendarLoader
                        anchors.fill: parent
                        active: false
                        sourceComponent: QQC1.Calendar {
                            frameVisible: false
                            onClicked: {
                                control.setValue(DateTimeOffset.of(date).withTime(control.__offsetValue()))
                                datePopup.close()
                                dateField.selectAll()
                            }
                        }
                    }
                }
            }
        }

        TimePicker {
            id: timeField
            value: control.value
            locale: control.locale
            dayPartsCount: control.dayPartsCount
            onPopupRequested: datePopup.close()
            // The field keeps its binding to the control; its own edits go up to the control.
            onValueChanged: {
                if (value.getTime() !== control.value.getTime())
                    control.setValue(value)
            }
        }
    }
}
