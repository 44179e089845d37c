pragma Singleton
import QtQuick 2.15

// DeviceSettingsFilter to the "filter" member of listSettings; unset criteria are left out.
QtObject {
    function jsonEntity(filter) {
        return {
            "name": filter.name || undefined,
            "deviceId": filter.deviceId || undefined,
            "userId": filter.userId || undefined,
            "customerId": filter.customerId || undefined
        }
    }
}
