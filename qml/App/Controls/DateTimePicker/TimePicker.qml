import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuickX 1.0
import App.Controls 1.0 as Controls

// A time field with a list of the day's times (every half hour by default).
// Up and Down step through the list; typed text is taken once it reads as a time.
Controls.TextField {
    id: field

    property date value: new Date()
    // A text field has no locale of its own.
    property var locale: Qt.locale()
    property alias dayPartsCount: dayParts.dayPartsCount
    readonly property alias dayPartLengthInMinutes: dayParts.dayPartLengthInMinutes
    readonly property alias popup: timePopup
    readonly property alias timeList: list

    // Emitted before the time list opens, so that a host can close its other pop-ups.
    signal popupRequested()

    function setValue(v) {
        QmlX.writeProperty(field, "value", DateTimeOffset.of(v).value, QmlX.DontRemoveBinding)
    }

    // Read from the value itself: the helper's bindings may not have followed it yet.
    function showValue() {
        text = DateTimeOffset.of(value).toLocaleTimeString(field.locale, Locale.ShortFormat)
    }

    function openList() {
        popupRequested()
        selectAll()
        timePopup.open()
    }

    inputMethodHints: Qt.ImhTime
    leftPadding: 8
    rightPadding: 2
    implicitWidth: timeMetrics.width + leftPadding + rightPadding + 16

    onValueChanged: showValue()
    onLocaleChanged: showValue()
    Component.onCompleted: showValue()
    // A half-typed or unreadable text gives way to the value once the operator leaves the field.
    onEditingFinished: showValue()
    onTextEdited: {
        var parsed = DateTimeOffset.fromTimeString(DateTimeOffset.of(value), text, field.locale,
                                                   Locale.ShortFormat)
        if (parsed.isValid)
            QmlX.writeProperty(field, "value", parsed.value, QmlX.DontRemoveBinding)
    }
    onPressed: openList()
    onActiveFocusChanged: {
        if (activeFocus)
            openList()
    }
    Keys.onUpPressed: setValue(dayParts.steppedEntry(-1))
    Keys.onDownPressed: setValue(dayParts.steppedEntry(1))

    DayParts {
        id: dayParts
        value: field.value
    }

    TextMetrics {
        id: timeMetrics
        font: field.font
        text: DateTimeOffset.of(2000, 1, 1, 18, 58).toLocaleTimeString(field.locale,
                                                                       Locale.ShortFormat)
    }

    PickerPopup {
        id: timePopup
        width: field.width + 16
        height: 200

        onOpened: list.positionViewAtIndex(list.currentIndex, ListView.Center)

        contentItem: Controls.ListView {
            id: list
            model: dayParts.dayPartsCount
            currentIndex: dayParts.currentIndex
            delegate: QQC2.ItemDelegate {
                width: list.width
                height: 28
                text: dayParts.entryAt(index).toLocaleTimeString(field.locale, Locale.ShortFormat)
                highlighted: ListView.isCurrentItem
                focusPolicy: Qt.NoFocus
                onClicked: {
                    field.setValue(dayParts.offsetValue.withTime(dayParts.entryAt(index)))
                    field.forceActiveFocus()
                    field.selectAll()
                    timePopup.close()
                }
            }
        }
    }
}
