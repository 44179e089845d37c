import QtQuick 2.15
import QtQuickX 1.0

// Base of the list filters: a burst of criterion changes can be reported as one filterChanged().
QtObject {
    id: filter

    property Debounce changeDebouncer: Debounce {
        onTimeout: filter.filterChanged()
    }

    signal filterChanged()

    function filterChangeDebounced() {
        changeDebouncer.reschedule()
    }
}
