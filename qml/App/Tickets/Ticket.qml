import QtQuick 2.15

// One task on one device: what the device was told, when, and what it answered.
// Dates are script Dates, or null when the service sent none.
QtObject {
    property string idd: ""
    property string taskId: ""
    property string deviceId: ""
    property var validFrom: null
    property var validTo: null
    // The task type's number as text.
    property string type: ""
    property int status: 0
    property var taskData: ""
    property string deviceName: ""
    property string result: ""
    property var startedAt: null
    property var executedAt: null
    // The device's answer and the task's data as the service sent them, for the clipboard:
    // result and taskData may have been cut.
    property var uncutResult: ""
    property var uncutTaskData: ""
}
