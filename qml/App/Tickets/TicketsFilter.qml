import QtQuick 2.15
import App.Filter 1.0

// Criteria of a ticket list; every change is reported at once.
Filter {
    property var ids: null
    property int customerId: 0
    property bool includeServants: true
    property var statuses: null
    property int taskId: 0
    property int deviceId: 0
    property var closedAtMax: null
    property var closedAtMin: null

    function reset() {
        ids = null
        customerId = 0
        includeServants = true
        statuses = null
        taskId = 0
        deviceId = 0
        closedAtMax = null
        closedAtMin = null
    }

    onIdsChanged: filterChanged()
    onCustomerIdChanged: filterChanged()
    onIncludeServantsChanged: filterChanged()
    onStatusesChanged: filterChanged()
    onTaskIdChanged: filterChanged()
    onDeviceIdChanged: filterChanged()
    onClosedAtMaxChanged: filterChanged()
    onClosedAtMinChanged: filterChanged()
}
