.pragma library
.import QtQuickX 1.0 as QtQuickX

// Task types, statuses and dates as the task and ticket screens show them.

function __name(enumName, value) {
    if (value === undefined || value === null || value === "" || Number(value) === -1)
        return qsTr("N/A")
    return QtQuickX.Enums.valueToKey("Task", enumName, Number(value)) || qsTr("N/A")
}

function statusName(status) {
    return __name("TasksStatus", status)
}

function typeName(type) {
    return __name("TasksType", type)
}

// Pending 0, Running 1, Completed 2, Canceled 3, Failed 4.
var __detailsIcons = ["status-pending", "status-running", "status-ok", "status-canceled", "status-failed"]
var __rowIcons = ["task-status-pending", "task-status-running", "task-status-completed",
                  "task-status-canceled", "task-status-failed"]

function __icon(names, fallback, status) {
    var name = typeof status === "number" && names[status] ? names[status] : fallback
    return "/Icons/" + name + ".svg"
}

// The large icon of a ticket's details; no ticket or an unknown status is "undefined".
function detailsIcon(status) {
    return __icon(__detailsIcons, "status-undefined", status)
}

// The small icon of a ticket row.
function rowIcon(status) {
    return __icon(__rowIcons, "task-status-notavailable", status)
}

// Locale.ShortFormat, which a script library cannot name.
var __shortFormat = 1

// A date in the locale's short format, "N/A" for none.
function shortDate(date) {
    if (!date || typeof date.getTime !== "function" || isNaN(date.getTime()))
        return qsTr("N/A")
    return date.toLocaleString(Qt.locale(), __shortFormat)
}

// A text from the service, "N/A" when empty.
function orNotAvailable(text) {
    return text === undefined || text === null || text === "" ? qsTr("N/A") : String(text)
}
