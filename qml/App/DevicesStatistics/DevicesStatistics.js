.pragma library

// Figures of the device usage charts, computed from devices that carry their tag ids and
// "onlineTimes" (periods {"b": start, "e": end} in milliseconds since the epoch).

var msPerDay = 86400000

// Room types and campuses, each with the colour its slices and bars are drawn in.
var cabinetTypes = [
    { "tagId": 401, "color": "#99CA53" },
    { "tagId": 402, "color": "#209FDF" },
    { "tagId": 403, "color": "#F6A625" },
    { "tagId": 404, "color": "#738AC8" },
    { "tagId": 405, "color": "#EA157A" }
]
var campuses = [
    { "tagId": 310, "color": "#00ADDC" },
    { "tagId": 320, "color": "#7FD13B" },
    { "tagId": 330, "color": "#EA152E" }
]

// Device entities hold their tags in "tagIds", raw service items in "tags".
function tagIdsOf(device) {
    if (!device)
        return []
    var ids = device.tagIds || device.tags
    return ids && typeof ids.indexOf === "function" ? ids : []
}

function devicesWithTag(devices, tagId) {
    return (devices || []).filter(function (device) { return tagIdsOf(device).indexOf(tagId) >= 0 })
}

function tagName(tags, tagId) {
    var list = tags || []
    for (var i = 0; i < list.length; ++i) {
        if (list[i] && list[i].idd === tagId)
            return String(list[i].name)
    }
    return String(tagId)
}

function __periods(device) {
    var periods = device && Array.isArray(device.onlineTimes) ? device.onlineTimes : []
    return periods.filter(function (period) { return !!period && isFinite(period.b) })
}

// The number of devices online over time, as the corners of a step line: a flat part ends
// where a change happens and the line jumps there. Changes at one instant make one jump.
// A period that has not ended yet counts until now; points after now are dropped.
function onlineSteps(devices, nowMs) {
    var events = []
    ;(devices || []).forEach(function (device) {
        __periods(device).forEach(function (period) {
            events.push({ "time": period.b, "change": 1 })
            if (isFinite(period.e))
                events.push({ "time": period.e, "change": -1 })
        })
    })
    if (events.length === 0)
        return []
    events.sort(function (a, b) { return a.time - b.time })
    var points = [{ "x": events[0].time, "y": 0 }]
    events.forEach(function (event) {
        var last = points[points.length - 1]
        if (event.time === last.x) {
            last.y += event.change
        } else {
            points.push({ "x": event.time, "y": last.y })
            points.push({ "x": event.time, "y": last.y + event.change })
        }
    })
    return points.filter(function (point) { return point.x <= nowMs })
}

function highestValue(values) {
    return values.reduce(function (highest, value) { return Math.max(highest, value) }, 0)
}

// A value axis ends above the highest value, on a multiple of 5.
function axisMaximum(highest) {
    return Math.ceil((highest + 1) / 5) * 5
}

// Per weekday, Sunday first, how many devices were online at least once on that day. A period
// marks every calendar day from its start to its end (days since the epoch, rounded down); a
// period that has not ended yet lasts until now.
function weekdayCounts(devices, nowMs) {
    var mondayFirst = [0, 0, 0, 0, 0, 0, 0]
    ;(devices || []).forEach(function (device) {
        var days = [false, false, false, false, false, false, false]
        __periods(device).forEach(function (period) {
            var first = Math.floor(period.b / msPerDay)
            var end = isFinite(period.e) ? period.e : Math.max(period.b, nowMs)
            // After a week every weekday is marked; longer periods add nothing.
            var last = Math.min(Math.floor(end / msPerDay), first + 6)
            for (var day = first; day <= last; ++day)
                days[((day % 7) + 7 + 3) % 7] = true // day 0, 1 January 1970, was a Thursday
        })
        days.forEach(function (online, index) {
            if (online)
                ++mondayFirst[index]
        })
    })
    return mondayFirst.slice(6).concat(mondayFirst.slice(0, 6))
}

// Devices per tag of a group, in the group's order; tags without devices are left out.
function distribution(devices, group) {
    var slices = []
    group.forEach(function (entry, position) {
        var count = devicesWithTag(devices, entry.tagId).length
        if (count > 0)
            slices.push({ "tagId": entry.tagId, "color": entry.color, "count": count, "position": position })
    })
    return slices
}
