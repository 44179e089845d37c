.pragma library

// Whether the parsed "power.schedule" text has the shape the console reads and writes back.
// Anything else is shown as unreadable rather than as entries made up from defaults.

var dayNames = ["Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"]
var timePattern = /^([01]\d|2[0-3]):[0-5]\d(:[0-5]\d(\.\d{1,3})?)?$/

function isRecord(value) {
    return value !== null && typeof value === "object" && !Array.isArray(value)
}

function isReadablePlan(plan) {
    if (!isRecord(plan) || typeof plan["t"] !== "string" || !timePattern.test(plan["t"]))
        return false
    var period = plan["p"]
    if (period !== undefined && !(Array.isArray(period) && period.every(function (day) {
        return dayNames.indexOf(day) >= 0
    })))
        return false
    return plan["e"] === undefined || typeof plan["e"] === "boolean"
}

function isReadableEntry(entry) {
    if (!isRecord(entry) || typeof entry["action"] !== "string")
        return false
    var action = entry["action"].toLowerCase()
    return (action === "on" || action === "off") && isReadablePlan(entry["plan"])
}

function isReadable(elements) {
    return Array.isArray(elements) && elements.every(isReadableEntry)
}
