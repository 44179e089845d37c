import QtQuick 2.15

// Repeats a held button's action: first after autoRepeatDelay, then every autoRepeatInterval.
QtObject {
    id: helper

    property var button
    property int autoRepeatDelay: 200
    property int autoRepeatInterval: 100
    readonly property int triggerCount: __triggerCount

    property int __triggerCount: 0

    property Timer __timer: Timer {
        repeat: true
        running: !!helper.button && helper.button.pressed

        onRunningChanged: {
            if (!running)
                return
            helper.__triggerCount = 0
            interval = helper.autoRepeatDelay
        }

        onTriggered: {
            interval = helper.autoRepeatInterval
            helper.__triggerCount += 1
            if (helper.button.action)
                helper.button.action.trigger(helper.button)
            else
                helper.button.clicked()
        }
    }
}
