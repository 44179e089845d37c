.pragma library
.import QtQuickX 1.0 as QtQuickX

// Dates on the wire. The service sends {"DateTime": "/Date(ms)/", "OffsetMinutes": n} (ISO text
// and milliseconds are taken too); requests carry ISO 8601 local time with the local offset.

// A service date as a script Date, or null when there is none or it does not convert.
function toDate(value) {
    if (value === undefined || value === null || value === "")
        return null
    if (typeof value === "number")
        return new Date(value)
    var parsed = QtQuickX.DateTimeOffset.of(value)
    return parsed.isValid ? new Date(parsed.jsDateValue) : null
}

function isValidDate(value) {
    return !!value && typeof value.getTime === "function" && !isNaN(value.getTime())
}

// The local date and time of a valid date followed by the given offset from UTC (east positive).
function textAtOffset(date, offsetMinutes) {
    return QtQuickX.DateTimeOffset.of(date).toString()
            + QtQuickX.DateTimeOffset.timeZoneUtcOffSet(offsetMinutes * 60).substring(3)
}

// 10:00 local time on 29 December 2021, three hours east of UTC: "2021-12-29T10:00:00+03:00".
// Undefined for a missing or invalid date, so that its key is left out of the request.
function toTimeZoneString(value) {
    if (!isValidDate(value))
        return undefined
    return textAtOffset(value, -value.getTimezoneOffset())
}
