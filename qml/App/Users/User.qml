import QtQuick 2.15

// A user account of the service; idd 0 marks a user not stored yet.
QtObject {
    property int idd: -1
    property int role: 0
    property int customerId: 0
    property string name: ""
    property bool builtIn: false
    property bool disabled: false
    property bool archived: false
    readonly property var logins: __logins
    property var __logins: []
}
