import QtQuick 2.15
import QtQuickX 1.0

// A picked value seen as one of dayPartsCount equal parts of its day (the time list's rows).
QtObject {
    property date value
    property int dayPartsCount: 24 * 2
    readonly property real dayPartLengthInMinutes: 24 / dayPartsCount * 60
    readonly property var offsetValue: DateTimeOffset.of(value)
    readonly property var beginOfDay: offsetValue.beginOfTheDay
    // The last entry not after the value; the margin absorbs rounding of an exact entry.
    readonly property int currentIndex: Math.floor(beginOfDay.daysTo(offsetValue) * dayPartsCount
                                                   + 0.001)

    function entryAt(index) {
        return beginOfDay.addDays(index / dayPartsCount)
    }

    // The entry `steps` rows away from the current one, wrapping around the day.
    function steppedEntry(steps) {
        var index = ((currentIndex + steps) % dayPartsCount + dayPartsCount) % dayPartsCount
        return entryAt(index)
    }
}
