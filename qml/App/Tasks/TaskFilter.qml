import QtQuick 2.15
import App.Filter 1.0

// Criteria of the task list; every change is reported at once.
Filter {
    property var statuses: []
    property var types: []
    property var ids: []
    property int customerId: 0
    property bool includeServants: true
    property var closedAtMax
    property var closedAtMin

    // "Clear filters": sublocations are cleared too.
    function reset() {
        statuses = []
        types = []
        ids = []
        customerId = 0
        includeServants = false
    }

    onStatusesChanged: filterChanged()
    onTypesChanged: filterChanged()
    onIdsChanged: filterChanged()
    onCustomerIdChanged: filterChanged()
    onIncludeServantsChanged: filterChanged()
    onClosedAtMaxChanged: filterChanged()
    onClosedAtMinChanged: filterChanged()
}
