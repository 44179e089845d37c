.pragma library
.import "qrc:///App/Export/CsvText.js" as CsvText

// Device rows of the service as the cells of a CSV line.

var header = ["id", "name", "model", "firmware", "MAC addresses", "IP addresses", "location name",
              "online state", "last online", "tags"]

// The cells for a device item of the service; locationNameOf(id) names its location.
function deviceValues(item, locationNameOf) {
    return [
        item["id"],
        item["n"],
        item["m"],
        item["fw"],
        CsvText.list(item["mac"]),
        CsvText.list(item["ip"]),
        item["cId"] ? locationNameOf(item["cId"]) : "",
        item["io"] ? "online" : "offline",
        CsvText.wireDateText(item["lo"]),
        CsvText.list(item["tg"])
    ]
}
