pragma Singleton
import QtQuick 2.15
import "qrc:///Entities/WireDates.js" as WireDates

// Service JSON to AuditRecord; texts are cut, as they may be as long as the service lets them.
Component {
    AuditRecord {
        property var modelData: ({})

        function __text(key, length) {
            var value = modelData ? modelData[key] : undefined
            var text = value === undefined || value === null ? "" : String(value)
            return text.length > length ? text.substring(0, length) : text
        }
        function __id(key) {
            var value = modelData ? modelData[key] : undefined
            return value ? String(value) : ""
        }

        idd: __id("id")
        at: modelData ? WireDates.toDate(modelData["at"]) : null
        actorId: __id("aId")
        actorName: __text("aN", 200)
        contextUserId: __id("cuId")
        contextUserName: __text("cuN", 200)
        method: __text("m", 64)
        action: __text("act", 64)
        kind: __text("k", 64)
        entityIds: modelData && Array.isArray(modelData["eIds"]) ? modelData["eIds"].slice(0, 100) : []
        entityName: __text("eN", 200)
        subject: __text("sub", 200)
        filterText: __text("f", 2000)
        reached: modelData && typeof modelData["rc"] === "number" ? modelData["rc"] : -1
        status: modelData && typeof modelData["s"] === "number" ? modelData["s"] : 0
        clientAddress: __text("ip", 64)
    }
}
