import QtQuick 2.15
import App.Filter 1.0

// Criteria of a location list; every change is reported at once.
Filter {
    property var ids: []
    property var name: null
    property var domain: null
    // -1: any owner.
    property int ownerId: -1
    property var includeServants: true
    // false leaves archived locations out; undefined does not restrict.
    property var archived: false

    function reset() {
        ids = []
        name = null
        domain = null
        ownerId = -1
        includeServants = true
        archived = false
    }

    onIdsChanged: filterChanged()
    onNameChanged: filterChanged()
    onDomainChanged: filterChanged()
    onOwnerIdChanged: filterChanged()
    onIncludeServantsChanged: filterChanged()
    onArchivedChanged: filterChanged()
}
