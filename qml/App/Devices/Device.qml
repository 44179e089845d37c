import QtQuick 2.15
import QtQuickX 1.0

// A managed display device as the service lists it. The firmware version ends in a four-digit
// build number; what comes before it is the firmware line (code).
QmlObject {
    property int idd: 0
    property var registered: new Date(NaN)
    property string title: ""
    property var tagIds: null
    property var tagNames: null
    property string deviceType: ""
    property string deviceModel: ""
    property string firmwareVersion: ""
    property string firmwareId: ""
    property var ipAddresses: []
    property var macAddresses: []
    property string description: ""
    property var lastOnline
    property bool isOnline: false
    property int customerId: 0
    property string modelId: ""
    readonly property string name: title

    readonly property string firmwareVersionNumber: firmwareVersion.length > 4
                                                    ? firmwareVersion.substring(firmwareVersion.length - 4)
                                                    : firmwareVersion
    readonly property string firmwareVersionCode: firmwareVersion.length > 4
                                                  ? firmwareVersion.substring(0, firmwareVersion.length - 4)
                                                  : ""
}
