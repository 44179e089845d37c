import QtQuick 2.15

// An order the service hands to every device its filter finds. Dates are script Dates, or
// null when there are none.
QtObject {
    property string idd: ""
    property var validFrom: null
    property var validTo: null
    property string createdAt: ""
    property int createdUserId: 0
    property int type: 0
    property int status: 0
    // The type's data as a JSON text.
    property var taskData: ""
    // The data as the service sent it, for the clipboard: taskData may have been cut.
    property var uncutTaskData: ""
    // The span within which the devices run the task, "hh:mm:ss".
    property var dispersion: ""
    property int succeededCount: 0
    property int failedCount: 0
    property int pendingCount: 0
}
