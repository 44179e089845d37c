import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "ReactiveHelpers"

    property int watched: 0
    property var changes: []

    ValueObserver on watched {
        onAboutToChange: testCase.changes.push([oldValue, newValue, testCase.watched])
    }

    Debounce {
        id: debounce
        property int runs: 0
        onTimeout: runs += 1
    }

    Debounce {
        id: gated
        interval: 50
        when: false
        property int runs: 0
        onTimeout: runs += 1
    }

    DebouncedValue {
        id: debounced
        interval: 20
    }

    Condition {
        id: allOf
        operation: Condition.AllOf
        delayed: true
        property int changes: 0
        onValueChanged: changes += 1
    }

    Repeater {
        id: argumentItems
        model: 5
        delegate: Item {
            property alias argument: argument
            ConditionArgument {
                id: argument
                condition: allOf
                value: false
            }
        }
    }

    function test_observerReportsOldAndNew() {
        changes = []
        watched = 3
        watched = 3
        watched = 7
        compare(changes.length, 2)
        compare(changes[0], [0, 3, 3])
        compare(changes[1], [3, 7, 7])
        compare(watched, 7)
    }

    function test_debounceCoalesces() {
        debounce.runs = 0
        debounce.schedule()
        debounce.schedule()
        debounce.schedule()
        verify(debounce.scheduled)
        compare(debounce.runs, 0)
        tryCompare(debounce, "runs", 1)
        TimerSentinel.waitPast(20)
        compare(debounce.runs, 1)
    }

    function test_gateHoldsRun() {
        gated.schedule()
        verify(gated.scheduled)
        TimerSentinel.waitPast(120)
        compare(gated.runs, 0)
        gated.when = true
        tryCompare(gated, "runs", 1)
        verify(!gated.scheduled)
    }

    function test_debouncedValueSettles() {
        debounced.value = 1
        debounced.value = 2
        compare(debounced.debouncedValue, undefined)
        tryCompare(debounced, "debouncedValue", 2)
    }

    function test_delayedConditionChangesOnce() {
        compare(argumentItems.count, 5)
        wait(0)
        allOf.changes = 0
        for (var i = 0; i < 5; ++i)
            argumentItems.itemAt(i).argument.value = true
        verify(!allOf.value)
        tryCompare(allOf, "value", true)
        compare(allOf.changes, 1)
    }

    function test_elapsedTimer() {
        var timer = Qt.createQmlObject("import QtQuickX 1.0; ElapsedTimer {}", testCase)
        compare(timer.elapsed, -1)
        timer.start()
        wait(20)
        verify(timer.elapsed >= 15)
        timer.destroy()
    }
}
