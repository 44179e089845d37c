.pragma library

// Rows as comma-separated text (RFC 4180: CRLF line ends; a field with a comma, a quote or a
// line break is quoted, its quotes doubled; one that a spreadsheet would read as a formula
// starts with an apostrophe).

function field(value) {
    var text = value === null || value === undefined ? "" : String(value)
    // Names come from devices and users: a spreadsheet must not run one as a formula.
    if (/^[=+\-@\t\r]/.test(text))
        text = "'" + text
    if (/[",\r\n]/.test(text))
        return "\"" + text.replace(/"/g, "\"\"") + "\""
    return text
}

function line(values) {
    return values.map(field).join(",") + "\r\n"
}

// The wire date {"DateTime": "/Date(ms)/", ...} as UTC ISO 8601; empty when missing or unreadable.
function wireDateText(value) {
    var text = value && value["DateTime"] !== undefined ? String(value["DateTime"]) : ""
    var match = /^\/Date\((-?\d+)\)\/$/.exec(text)
    if (!match)
        return ""
    var date = new Date(Number(match[1]))
    return isNaN(date.getTime()) ? "" : date.toISOString()
}

function list(values) {
    return Array.isArray(values) && values.length ? values.join("; ") : ""
}
