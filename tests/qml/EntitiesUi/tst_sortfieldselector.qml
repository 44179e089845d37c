import QtQuick 2.15
import QtTest 1.15
import EntitiesUi 1.0

Item {
    width: 400
    height: 200

    SortfieldSelectorUi {
        id: selector
        fields: ["name", "created", "éclair"]
    }

    SortfieldSelectorUi {
        id: defaultSelector
        y: 100
    }

    SignalSpy { id: changes; target: selector; signalName: "fieldChanged" }

    TestCase {
        name: "SortfieldSelector"
        when: windowShown

        function test_startsAtTheFirstField() {
            var combo = findChild(selector, "sortFieldComboBox")
            compare(selector.selectedField, "name")
            compare(combo.displayText, "Name")
            compare(defaultSelector.selectedField, "name")
        }

        function test_choosingEmitsAndCapitalises() {
            var combo = findChild(selector, "sortFieldComboBox")
            changes.clear()
            combo.currentIndex = 1
            compare(selector.selectedField, "created")
            compare(combo.displayText, "Created")
            compare(changes.count, 1)
            combo.currentIndex = 2
            compare(combo.displayText, "Éclair")
            compare(changes.count, 2)
            combo.currentIndex = 0
        }
    }
}
