.pragma library
.import "qrc:///App/Export/CsvText.js" as CsvText

// Audit records of the service as the cells of a CSV line, one record a line.

var header = ["time (UTC)", "acting user id", "acting user", "context user id", "context user",
              "method", "action", "entity kind", "entity ids", "entity name", "login",
              "device filter", "devices reached", "status", "client address"]

// Texts are cut as on screen: the service may send them as long as it likes.
function text(value, length) {
    var plain = value === undefined || value === null ? "" : String(value)
    return plain.length > length ? plain.substring(0, length) : plain
}

function id(value) {
    return value ? text(value, 32) : ""
}

function recordValues(item) {
    var ids = Array.isArray(item["eIds"]) ? item["eIds"].slice(0, 100) : []
    return [
        CsvText.wireDateText(item["at"]),
        id(item["aId"]),
        text(item["aN"], 200),
        id(item["cuId"]),
        text(item["cuN"], 200),
        text(item["m"], 64),
        text(item["act"], 64),
        text(item["k"], 64),
        CsvText.list(ids),
        text(item["eN"], 200),
        text(item["sub"], 200),
        text(item["f"], 2000),
        typeof item["rc"] === "number" && item["rc"] >= 0 ? item["rc"] : "",
        typeof item["s"] === "number" ? item["s"] : "",
        text(item["ip"], 64)
    ]
}
