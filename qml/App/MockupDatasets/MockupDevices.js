.pragma library

// Pure helpers of the offline dataset: table parsing, online history, addresses, firmwares.

var stepMs = 4 * 3600 * 1000

// Rows of trimmed cells; a table whose first line begins with "#" is switched off as a whole.
function parseTable(text) {
    if (!text || text.charAt(0) === "#")
        return []
    return text.split(/\r?\n/).map(function (line) {
        return line.split("\t").map(function (cell) { return cell.trim() })
    })
}

// A fixed, per-device shift of the generated times: dispersion·e^s − dispersion/2 minutes with
// s the fractional part of i·π, rounded to the rounding step.
function timeShiftMinutes(i, dispersion, roundStep) {
    var product = i * Math.PI
    var s = product - Math.floor(product)
    var minutes = dispersion * Math.exp(s) - dispersion / 2
    return Math.round(minutes / roundStep) * roundStep
}

// Online periods from fourteen day cells of six four-hour marks ("x" online, "-" offline),
// read from `begin` in four-hour steps while before `end`.
function onlineTimes(dayCells, begin, end, shiftMs) {
    var marks = dayCells.join("")
    marks = marks + marks
    if (marks.length !== 168)
        console.log("Invalid xox string", marks.length)
    var periods = []
    var open = null
    for (var index = 0, time = begin; time < end; ++index, time += stepMs) {
        var mark = marks.charAt(index)
        if (mark === "x") {
            if (!open) {
                open = { "b": time + shiftMs }
                periods.push(open)
            }
        } else if (mark === "-") {
            if (open) {
                open["e"] = time + shiftMs
                open = null
            }
        } else {
            console.log("Invalid xox string at", index)
        }
    }
    return periods
}

// A private address by campus: line i ends in i + 1, running on into the third number past 254.
function ipAddress(campusId, i) {
    var block = campusId === 310 ? "10.31." : (campusId === 320 ? "10.32." : "10.33.")
    return block + Math.floor(i / 254) + "." + (i % 254 + 1)
}

// Distinct non-empty firmware versions as member names: whole numbers ascending first, then the
// others in order of first appearance.
function firmwaresOf(devices) {
    var numbers = []
    var others = []
    var seen = {}
    for (var i = 0; i < (devices ? devices.length : 0); ++i) {
        var version = devices[i].firmwareVersion
        if (!version || seen[version])
            continue
        seen[version] = true
        if (/^\d+$/.test(version))
            numbers.push(version)
        else
            others.push(version)
    }
    numbers.sort(function (a, b) { return Number(a) - Number(b) })
    var result = {}
    numbers.concat(others).forEach(function (version) { result[version] = true })
    return result
}
