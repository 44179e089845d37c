.pragma library
.import QtQuickX 1.0 as QtQuickX
.import "qrc:///Datamizer/DataUtils.js" as DataUtils

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

// How deep a text's brackets may nest before it is shown as it is: the parser and the walk
// below would recurse once per level, and a hostile answer could nest thousands.
var __maxDepth = 16

function __depth(text) {
    var depth = 0
    var deepest = 0
    var inString = false
    for (var i = 0; i < text.length; ++i) {
        var c = text.charAt(i)
        if (inString) {
            if (c === "\\")
                ++i
            else if (c === "\"")
                inString = false
        } else if (c === "\"") {
            inString = true
        } else if (c === "{" || c === "[") {
            deepest = Math.max(deepest, ++depth)
            if (deepest > __maxDepth)
                break
        } else if (c === "}" || c === "]") {
            --depth
        }
    }
    return deepest
}

function __isScalar(value) {
    return value === null || typeof value !== "object"
}

function __fieldLines(value, name, lines) {
    if (__isScalar(value)) {
        lines.push(name + ": " + (value === null ? "" : String(value)))
    } else if (Array.isArray(value) && value.every(__isScalar)) {
        lines.push(name + ": " + value.map(function (item) { return item === null ? "" : String(item) }).join(", "))
    } else {
        var keys = Object.keys(value)
        if (keys.length === 0)
            lines.push(name + ": ")
        for (var k = 0; k < keys.length; ++k) {
            var key = Array.isArray(value) ? "[" + keys[k] + "]" : keys[k]
            var path = name === "" ? key : Array.isArray(value) ? name + key : name + "." + key
            __fieldLines(value[keys[k]], path, lines)
        }
    }
}

// Task data and device answers are JSON texts: an object is shown as its own field names and
// values, one per line (nested fields joined by dots, lists by commas). Any other text, and a
// text cut short, is shown as it is; "N/A" for none.
function readableData(text) {
    if (text === undefined || text === null || text === "")
        return qsTr("N/A")
    var raw = String(text)
    var trimmed = raw.trim()
    if (trimmed.charAt(0) !== "{" || __depth(trimmed) > __maxDepth)
        return raw
    var value
    try {
        value = JSON.parse(trimmed)
    } catch (e) {
        return raw
    }
    if (__isScalar(value) || Array.isArray(value) || Object.keys(value).length === 0)
        return raw
    var lines = []
    __fieldLines(value, "", lines)
    return lines.join("\n")
}

// What a details view lays out of a long text: laying out tens of kilobytes holds up the window
// for a large part of a second, and no one reads that much there; Copy takes the whole text.
var shownDataLength = 16384

// The readable data, cut to shownDataLength with the note of its whole size (the note of a text
// the service component cut already is kept).
function shownData(text) {
    var readable = readableData(text)
    if (readable.length <= shownDataLength)
        return readable
    var note = DataUtils.cutNote().split("%1")
    var kept = note.length === 2 ? __trailingNote(readable, note[0], note[1]) : ""
    if (readable.length - kept.length <= shownDataLength)
        return readable
    var end = shownDataLength
    var last = readable.charCodeAt(end - 1)
    if (last >= 0xd800 && last <= 0xdbff)
        --end
    return readable.substring(0, end) + (kept || DataUtils.cutNote().arg(DataUtils.utf8Size(readable)))
}

function __trailingNote(text, before, after) {
    if (!text.endsWith(after))
        return ""
    var at = text.lastIndexOf(before)
    if (at < 0 || text.length - at > before.length + after.length + 20)
        return ""
    var size = text.substring(at + before.length, text.length - after.length)
    return /^[0-9]+$/.test(size) ? text.substring(at) : ""
}

// Every task type's name, for a column that must fit the longest.
function typeNames() {
    var names = []
    for (var value = 0; value < 64; ++value) {
        var name = QtQuickX.Enums.valueToKey("Task", "TasksType", value)
        if (name)
            names.push(name)
    }
    return names
}
