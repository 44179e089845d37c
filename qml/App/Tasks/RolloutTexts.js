.pragma library

// Staged rollouts as the console shows them: plain records made from the service's answer,
// with every text cut to a sane length, and the texts of their states.

var maxTextLength = 200
var maxRollouts = 1000
var maxGroups = 10

var Running = 0
var WaitingForApproval = 1
var Paused = 2
var Stopped = 3
var Finished = 4
var Aborted = 5

function __count(value) {
    var number = Number(value)
    return isFinite(number) && number > 0 ? Math.floor(number) : 0
}

function __text(value) {
    return String(value === undefined || value === null ? "" : value).substring(0, maxTextLength)
}

// The firmware version a target's task data names, or its data cut short.
function __version(data) {
    try {
        var parsed = JSON.parse(String(data))
        if (parsed && parsed.version !== undefined)
            return __text(parsed.version)
    } catch (e) {
    }
    return __text(data)
}

function records(items) {
    if (!Array.isArray(items))
        return []
    return items.slice(0, maxRollouts).map(function (item) {
        var groups = Array.isArray(item.groups) ? item.groups.slice(0, maxGroups) : []
        var targets = Array.isArray(item.targets) ? item.targets : []
        return {
            "id": __text(item.id),
            "state": __count(item.s),
            "successPercent": __count(item.st),
            "errorPercent": __count(item.et),
            "automatic": item.auto === true,
            "notStarted": __count(item.ns),
            "versions": targets.slice(0, maxGroups).map(function (target) {
                return __version(target.d)
            }),
            "groups": groups.map(function (group) {
                return {
                    "size": __count(group.n),
                    "started": group.sa !== null && group.sa !== undefined,
                    "pending": __count(group.pc),
                    "running": __count(group.rc),
                    "completed": __count(group.sc),
                    "canceled": __count(group.cc),
                    "failed": __count(group.fc)
                }
            })
        }
    })
}

function stateText(state) {
    switch (state) {
    case Running:
        return qsTr("Running")
    case WaitingForApproval:
        return qsTr("Waiting for approval of the next group")
    case Paused:
        return qsTr("Paused")
    case Stopped:
        return qsTr("Stopped by errors")
    case Finished:
        return qsTr("Finished")
    case Aborted:
        return qsTr("Aborted")
    }
    return qsTr("Unknown")
}

function isOpen(state) {
    return state === Running || state === WaitingForApproval || state === Paused
}

// "1, 10" → [1, 10]: the sizes of every group but the last, in percent; null when unreadable.
function parseSizes(text) {
    var parts = String(text || "").split(/[,;\s]+/).filter(function (part) { return part !== "" })
    if (parts.length > maxGroups - 1)
        return null
    var sizes = []
    for (var i = 0; i < parts.length; ++i) {
        var value = Number(parts[i].replace("%", ""))
        if (!isFinite(value) || Math.floor(value) !== value || value < 1 || value > 100)
            return null
        sizes.push(value)
    }
    return sizes
}

// The targets of a rollout from the survey's groups: {"1100": [ids]} → [{"d", "ids"}].
function targets(devicesGroups, otaUri) {
    var result = []
    for (var version in devicesGroups) {
        result.push({
            "d": JSON.stringify({ "uri": String(otaUri), "version": version }),
            "ids": devicesGroups[version].map(Number)
        })
    }
    return result
}
