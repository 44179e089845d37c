import QtQuick 2.15
import QtTest 1.15
import App.Controls.Scheduler 1.0
import App.DevicesSettings 1.0

// Items are made inside a visible stage: a test case itself is not shown.
Item {
    id: stage
    width: 900
    height: 500

    TestCase {
        id: testCase
        name: "Scheduler"
        when: windowShown

        Component {
            id: settingComponent
            DeviceSetting { name: "power.schedule" }
        }

        Component {
            id: entryComponent
            PowerScheduleValue {}
        }

        Component {
            id: schedulerComponent
            Scheduler {
                width: 880
                height: 400
            }
        }

        Component {
            id: plannerComponent
            WeekPlanner {}
        }

        function findChild(item, name) {
            if (!item)
                return null
            if (item.objectName === name)
                return item
            var children = item.children || []
            for (var i = 0; i < children.length; ++i) {
                var found = findChild(children[i], name)
                if (found)
                    return found
            }
            if (item.contentItem && item.contentItem !== item)
                return findChild(item.contentItem, name)
            return null
        }

        function entry(action, days) {
            var value = entryComponent.createObject(testCase, { "action": action })
            value.plan.period = days
            return value
        }

        function test_addAndRemove() {
            var first = entry("on", ["Mon"])
            var second = entry("off", ["Tue"])
            var setting = createTemporaryObject(settingComponent, stage, { "value": [first, second] })
            var scheduler = createTemporaryObject(schedulerComponent, stage, { "entity": setting })
            var original = setting.value
            mouseClick(findChild(scheduler, "addButton"))
            compare(setting.value.length, 3)
            // A new list each time; the entries before it are kept.
            verify(setting.value !== original)
            compare(setting.value[0], first)
            var added = setting.value[2]
            compare([added.action, added.plan.period.length, added.plan.enabled], ["off", 0, true])
            compare([added.plan.time.getHours(), added.plan.time.getMinutes()], [8, 0])
            tryCompare(scheduler.list, "count", 3)
            var removeSecond = findChild(scheduler.list.itemAtIndex(1), "removeButton")
            mouseClick(removeSecond)
            compare(setting.value.length, 2)
            compare(setting.value[0], first)
            compare(setting.value[1], added)
        }

        function test_actionButton_data() {
            return [
                { tag: "upper case on", action: "ON", text: "Wake up", next: "off" },
                { tag: "on", action: "on", text: "Wake up", next: "off" },
                { tag: "off", action: "off", text: "Shut down", next: "on" },
                { tag: "empty", action: "", text: "Shut down", next: "on" },
                { tag: "unknown", action: "reboot", text: "Shut down", next: "on" }
            ]
        }

        function test_actionButton(data) {
            var value = entry(data.action, [])
            var planner = createTemporaryObject(plannerComponent, stage, { "psv": value, "entity": value.plan })
            var button = findChild(planner, "actionButton")
            compare(button.text, data.text)
            mouseClick(button)
            compare(value.action, data.next)
            compare(button.checked, false)
        }

        function test_daysAndSwitch() {
            var value = entry("on", ["Mon", "Wed", "Mon"])
            var planner = createTemporaryObject(plannerComponent, stage, { "psv": value, "entity": value.plan })
            var monday = findChild(planner, "dayMon")
            var friday = findChild(planner, "dayFri")
            verify(monday.checked)
            verify(!friday.checked)
            // Unchecking removes every occurrence of the day.
            mouseClick(monday)
            compare(value.plan.period, ["Wed"])
            verify(!monday.checked)
            mouseClick(friday)
            compare(value.plan.period, ["Wed", "Fri"])
            // The buttons follow a period assigned from elsewhere.
            value.plan.period = ["Mon"]
            verify(monday.checked)
            verify(!friday.checked)
            var enabledSwitch = findChild(planner, "enabledSwitch")
            verify(enabledSwitch.checked)
            mouseClick(enabledSwitch)
            compare(value.plan.enabled, false)
            value.plan.enabled = true
            verify(enabledSwitch.checked)
        }

        function forEachItem(item, visit) {
            visit(item)
            for (var i = 0; i < item.children.length; ++i)
                forEachItem(item.children[i], visit)
        }

        // The time wheels turned with the mouse: what they show is what the plan holds.
        function test_timeTurnedWithTheMouse() {
            var value = entry("on", [])
            var setting = createTemporaryObject(settingComponent, stage, { "value": [value] })
            var scheduler = createTemporaryObject(schedulerComponent, stage, { "entity": setting })
            tryCompare(scheduler.list, "count", 1)
            var picker = findChild(scheduler.list.itemAtIndex(0), "timePicker")
            var hours = picker.hoursTumbler
            mousePress(hours, hours.width / 2, hours.height / 2)
            for (var step = 1; step <= 10; ++step)
                mouseMove(hours, hours.width / 2, hours.height / 2 - 4 * step, 20)
            mouseRelease(hours, hours.width / 2, hours.height / 2 - 40, Qt.LeftButton, Qt.NoModifier, 20)
            tryVerify(function () { return !hours.moving }, 3000)
            // The entry drawn in the middle, fully opaque, is the one the operator reads.
            var shown = -1
            forEachItem(hours, function (item) {
                if (item.shownText !== undefined && item.opacity > 0.99)
                    shown = Number(item.shownText)
            })
            verify(shown > 8, shown)
            compare(hours.currentIndex, shown)
            compare(value.plan.time.getHours(), shown)

            var minutes = picker.minutesTumbler
            mouseWheel(minutes, minutes.width / 2, minutes.height / 2, 0, -120)
            mouseWheel(minutes, minutes.width / 2, minutes.height / 2, 0, -120)
            compare(minutes.currentIndex, 2)
            mouseWheel(minutes, minutes.width / 2, minutes.height / 2, 0, 120 * 3)
            compare(minutes.currentIndex, 59)
            compare([value.plan.time.getHours(), value.plan.time.getMinutes()], [hours.currentIndex, 59])
        }

        // A wheel flicked and committed at once (Apply, OK) stops where it is: the time stored
        // then is the one it goes on showing.
        function test_flickedTimeSettlesOnCommit() {
            var value = entry("on", [])
            var setting = createTemporaryObject(settingComponent, stage, { "value": [value] })
            var scheduler = createTemporaryObject(schedulerComponent, stage, { "entity": setting })
            tryCompare(scheduler.list, "count", 1)
            var hours = findChild(scheduler.list.itemAtIndex(0), "timePicker").hoursTumbler
            mousePress(hours, hours.width / 2, hours.height / 2)
            for (var step = 1; step <= 10; ++step)
                mouseMove(hours, hours.width / 2, hours.height / 2 - 3 * step, 1)
            mouseRelease(hours, hours.width / 2, hours.height / 2 - 30, Qt.LeftButton, Qt.NoModifier, 1)
            verify(hours.moving)
            scheduler.settle()
            var committed = value.plan.time.getHours()
            tryVerify(function () { return !hours.moving }, 3000)
            wait(300)
            var shown = -1
            forEachItem(hours, function (item) {
                if (item.shownText !== undefined && item.opacity > 0.99)
                    shown = Number(item.shownText)
            })
            compare(shown, committed)
            compare(value.plan.time.getHours(), committed)
        }

        function test_timeEditedInPlace() {
            var value = entry("on", [])
            var planner = createTemporaryObject(plannerComponent, stage, { "psv": value, "entity": value.plan })
            var picker = findChild(planner, "timePicker")
            picker.minutesTumbler.currentIndex = 45
            picker.hoursTumbler.currentIndex = 6
            compare([value.plan.time.getHours(), value.plan.time.getMinutes()], [6, 45])
            compare(PowerScheduleDeserializer.jsonEntity([value]), '[{"action":"on","plan":{"t":"06:45:00.000","p":[],"e":true}}]')
        }
    }
}
