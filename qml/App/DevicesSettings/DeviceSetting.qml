import QtQuick 2.15
import QtQuickX 1.0

// One named setting that the service keeps for a device and hands to it.
QmlObject {
    property int deviceId: 0
    property int userId: 0
    property int customerId: 0
    property string name: ""
    // A text, or for settings with a registered converter a list of setting values.
    property var value
    // The stored value could not be read: value is empty, and the stored one stays at the
    // service until the operator makes a new one.
    property bool unreadable: false
    property string hash: ""
    property var timeStamp
    property int revision: -1
}
