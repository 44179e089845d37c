import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Controls 1.0 as Controls
import App.Controls.DateTimePicker 1.0

// One entry of a power schedule: time, week days, wake up or shut down, on or off, remove.
QQC2.Pane {
    id: planner

    // The power schedule value (action and plan) and its plan (time, period, enabled).
    property var psv
    property var entity
    // The entry's place in the schedule, reported by removeClicked.
    property int entryIndex: -1
    readonly property var powerValues: ({
        "off": { "displayText": qsTr("Shut down"), "value": "off", "textColor": "red" },
        "on": { "displayText": qsTr("Wake up"), "value": "on", "textColor": "green" }
    })
    readonly property var powerEntry: powerValues[String(psv && psv.action || "").toLowerCase()]
                                      || powerValues["off"]
    readonly property var days: [
        { "name": "Sun", "text": qsTr("Sun") }, { "name": "Mon", "text": qsTr("Mon") },
        { "name": "Tue", "text": qsTr("Tue") }, { "name": "Wed", "text": qsTr("Wed") },
        { "name": "Thu", "text": qsTr("Thu") }, { "name": "Fri", "text": qsTr("Fri") },
        { "name": "Sat", "text": qsTr("Sat") }
    ]

    signal removeClicked(int index)

    function hasDay(name) {
        return !!entity && (entity.period || []).indexOf(name) >= 0
    }

    // Each change assigns a new array, so that bindings on the period see it.
    function setDay(name, on) {
        var period = entity.period || []
        entity.period = on ? period.concat([name]) : period.filter(function (day) {
            return day !== name
        })
    }

    function settle() {
        timePicker.settle()
    }

    function switchAction() {
        psv.action = powerEntry.value === "on" ? powerValues["off"].value : powerValues["on"].value
    }

    width: parent ? parent.width : implicitWidth

    background: Rectangle {
        radius: 8
        border.color: "black"
        color: Qt.lighter(planner.palette.dark, 1.5)
    }

    // A plan without a time gets one, so that the picker edits what will be stored.
    onEntityChanged: {
        if (entity && !entity.time)
            entity.time = new Date()
    }

    // Time, days and the rest wrap onto further lines where the row is narrower than they are.
    contentItem: Flow {
        spacing: 6

        Row {
            height: 60
            spacing: 6

            TumblerTimePicker {
                id: timePicker
                objectName: "timePicker"
                anchors.verticalCenter: parent.verticalCenter
                entity: planner.entity ? planner.entity.time : null
            }

            QQC2.ToolSeparator { anchors.verticalCenter: parent.verticalCenter }
        }

        Row {
            height: 60
            spacing: 6

            Repeater {
                model: planner.days
                Controls.RectangularToolButton {
                    objectName: "day" + modelData.name
                    anchors.verticalCenter: parent.verticalCenter
                    // The style's padding leaves a 40 px button no room for "Wed".
                    leftPadding: 2
                    rightPadding: 2
                    text: modelData.text
                    value: [modelData.name]
                    checked: planner.hasDay(modelData.name)
                    onToggled: planner.setDay(modelData.name, checked)
                }
            }

            QQC2.ToolSeparator { anchors.verticalCenter: parent.verticalCenter }
        }

        Row {
            height: 60
            spacing: 6

            Controls.RectangularToolButton {
                objectName: "actionButton"
                anchors.verticalCenter: parent.verticalCenter
                // Wider than 65 only where a translation would not fit.
                width: Math.max(65, implicitContentWidth + leftPadding + rightPadding)
                checkable: false
                customTextColor: true
                textColor: planner.powerEntry.textColor
                text: planner.powerEntry.displayText
                onClicked: planner.switchAction()
            }

            Controls.RectangularSwitch {
                objectName: "enabledSwitch"
                anchors.verticalCenter: parent.verticalCenter
                checked: !!planner.entity && planner.entity.enabled
                onToggled: planner.entity.enabled = checked
            }

            Item {
                width: 12
                height: 1
            }

            Controls.ToolButton {
                objectName: "removeButton"
                anchors.verticalCenter: parent.verticalCenter
                icon.source: "/Icons/remove.svg"
                onClicked: planner.removeClicked(planner.entryIndex)
            }
        }
    }
}
