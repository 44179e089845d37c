import QtQuick 2.15

// One entry of the service's audit trail: who did what, on whose behalf, and how it ended.
QtObject {
    property string idd: ""
    property var at: null
    property string actorId: ""
    property string actorName: ""
    // Set when the actor worked in another user's context.
    property string contextUserId: ""
    property string contextUserName: ""
    property string method: ""
    property string action: ""
    property string kind: ""
    property var entityIds: []
    property string entityName: ""
    // The login name of a sign-in.
    property string subject: ""
    property string filterText: ""
    // Devices a fleet-wide write reached; -1 when not known.
    property real reached: -1
    property int status: 0
    property string clientAddress: ""
}
