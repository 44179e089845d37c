pragma Singleton
import QtQuick 2.15

// AuditFilter to the "filter" member of listAuditRecords.
QtObject {
    function jsonEntity(filter, now) {
        var json = {}
        if (filter.kind)
            json["kind"] = filter.kind
        if (filter.outcome)
            json["outcome"] = filter.outcome
        if (filter.method)
            json["method"] = filter.method
        if (filter.actorId)
            json["actorId"] = Number(filter.actorId)
        if (filter.lastDays > 0) {
            var from = new Date((now || new Date()).getTime() - filter.lastDays * 24 * 3600 * 1000)
            json["from"] = from.toISOString()
        }
        return json
    }
}
