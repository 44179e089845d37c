import QtQuick 2.15
import App.Filter 1.0

Filter {
    property var ids
    property int customerId: 0
    property var includeServants

    function reset() {
        ids = undefined
        customerId = 0
        includeServants = undefined
    }

    onIdsChanged: filterChanged()
    onCustomerIdChanged: filterChanged()
    onIncludeServantsChanged: filterChanged()
}
