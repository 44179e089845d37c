import QtQuick 2.15
import App.Filter 1.0

// Criteria of the device list; a burst of changes is reported as one filterChanged().
Filter {
    property var ids: []
    property var tagIds: []
    property var onlineOnly: undefined
    property var firmwareVersions: []
    property var models: []
    property var anyOfTagIds: []
    property bool includeServants: true
    property var unregistered: undefined
    property var archivedCustomer: undefined

    function reset() {
        ids = []
        tagIds = []
        onlineOnly = undefined
        firmwareVersions = []
        models = []
        anyOfTagIds = []
        includeServants = true
        unregistered = undefined
        archivedCustomer = undefined
    }

    // The test the offline device list is filtered with.
    function localFilterFunction(device) {
        if (onlineOnly !== undefined && device.isOnline !== onlineOnly)
            return false
        if (firmwareVersions && firmwareVersions.length > 0
                && firmwareVersions.indexOf(device.firmwareVersion) < 0)
            return false
        return true
    }

    onIdsChanged: filterChangeDebounced()
    onTagIdsChanged: filterChangeDebounced()
    onOnlineOnlyChanged: filterChangeDebounced()
    onFirmwareVersionsChanged: filterChangeDebounced()
    onModelsChanged: filterChangeDebounced()
    onAnyOfTagIdsChanged: filterChangeDebounced()
    onIncludeServantsChanged: filterChangeDebounced()
    onUnregisteredChanged: filterChangeDebounced()
    onArchivedCustomerChanged: filterChangeDebounced()
}
