import QtQuick 2.15
import App.Filter 1.0

Filter {
    property string name: ""
    property int deviceId: 0
    property int userId: 0
    property int customerId: 0

    function reset() {
        name = ""
        deviceId = 0
        userId = 0
        customerId = 0
    }

    onNameChanged: filterChanged()
    onDeviceIdChanged: filterChanged()
    onUserIdChanged: filterChanged()
    onCustomerIdChanged: filterChanged()
}
