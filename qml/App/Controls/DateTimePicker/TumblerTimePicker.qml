import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0 as Controls

// Hours and minutes of a date, edited in place on two tumblers (and AM/PM in 12-hour mode).
QQC2.Control {
    id: control

    property bool amPm: false
    property var entity
    readonly property string dayPart: amPmTumbler.currentIndex === 1 ? "PM" : "AM"
    readonly property alias hoursTumbler: hours
    readonly property alias minutesTumbler: minutes
    readonly property alias dayPartTumbler: amPmTumbler

    // Nothing is written while the tumblers are set up or moved to the entity's time.
    property bool __ready: false
    property bool __loading: false

    function __hoursIndex(hour) {
        return amPm ? (hour % 12 || 12) - 1 : hour
    }

    function __hoursFromIndexes() {
        if (!amPm)
            return hours.currentIndex
        return (hours.currentIndex + 1) % 12 + (amPmTumbler.currentIndex === 1 ? 12 : 0)
    }

    function __load() {
        __loading = true
        var hour = entity ? entity.getHours() : 0
        hours.currentIndex = __hoursIndex(hour)
        minutes.currentIndex = entity ? entity.getMinutes() : 0
        amPmTumbler.currentIndex = hour >= 12 ? 1 : 0
        // Shown at once: a wheel still turning to the loaded time would take a press as a stop.
        hours.positionViewAtIndex(hours.currentIndex, QQC2.Tumbler.Center)
        minutes.positionViewAtIndex(minutes.currentIndex, QQC2.Tumbler.Center)
        __loading = false
    }

    // Wheels still turning stop where they are, so that the time stored is the one shown.
    function settle() {
        hours.settle()
        minutes.settle()
        if (amPmTumbler.moving)
            amPmTumbler.positionViewAtIndex(amPmTumbler.currentIndex, QQC2.Tumbler.Center)
    }

    function __store() {
        if (!__ready || __loading || !entity || hours.count !== (amPm ? 12 : 24))
            return
        entity.setHours(__hoursFromIndexes(), minutes.currentIndex)
    }

    // At creation the wheels have no view yet: completion loads the entity.
    onEntityChanged: if (__ready) __load()
    Component.onCompleted: {
        __load()
        __ready = true
    }

    contentItem: Row {
        spacing: 2

        Controls.TimeTumbler {
            id: hours
            objectName: "hoursTumbler"
            model: control.amPm ? 12 : 24
            visibleItemCount: 3
            width: 26
            height: 60
            // Later, not now: an index set while the tumbler still takes its new model makes it
            // ignore the index its view moves to, so a time turned with the mouse was shown only.
            onCountChanged: Qt.callLater(function () { control.__load() })
            onCurrentIndexChanged: control.__store()
            onAccepted: {
                control.__store()
                minutes.selectAll()
            }
        }

        Controls.Label {
            anchors.verticalCenter: parent.verticalCenter
            text: ":"
        }

        Controls.TimeTumbler {
            id: minutes
            objectName: "minutesTumbler"
            model: 60
            visibleItemCount: 3
            width: 26
            height: 60
            onCurrentIndexChanged: control.__store()
            onAccepted: control.__store()
        }

        QQC2.Tumbler {
            id: amPmTumbler
            objectName: "dayPartTumbler"
            visible: control.amPm
            model: ["AM", "PM"]
            visibleItemCount: 2
            height: 60
            onCurrentIndexChanged: control.__store()
        }
    }
}
