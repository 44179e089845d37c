import QtQuick 2.15
import App.Filter 1.0

// Criteria of a user list; every change is reported at once.
Filter {
    property var ids: []
    property int customerId: 0
    property string name: ""
    property var roles: []
    property var includeServants: true
    property var disabled: false
    property var archived: false

    function reset() {
        ids = []
        customerId = 0
        name = ""
        roles = []
        includeServants = true
        disabled = false
        archived = false
    }

    onIdsChanged: filterChanged()
    onCustomerIdChanged: filterChanged()
    onNameChanged: filterChanged()
    onRolesChanged: filterChanged()
    onIncludeServantsChanged: filterChanged()
    onDisabledChanged: filterChanged()
    onArchivedChanged: filterChanged()
}
