import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0

// The audit trail of the service, one page at a time, newest first.
QmlObject {
    id: manager

    property AuditFilter filter: AuditFilter {}
    property int pageSize: 100
    // The first record of the page shown.
    property int skip: 0
    readonly property real total: __total
    readonly property bool hasPrevious: skip > 0
    readonly property bool hasNext: skip + pageSize < total

    property real __total: 0

    function reload() {
        listAuditRecords.invoke()
    }
    function nextPage() {
        if (hasNext)
            skip += pageSize
    }
    function previousPage() {
        skip = Math.max(0, skip - pageSize)
    }

    // Other criteria start again at the newest record.
    Connections {
        target: manager.filter
        function onFilterChanged() { manager.skip = 0 }
    }

    readonly property CollectionService listAuditRecords: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listAuditRecords"
        manual: true
        listRequired: true
        keepsResult: true
        collectionProperty: "result.items"
        idProperty: "idd"
        delegate: AuditRecordSerializer
        maxItems: manager.pageSize
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": AuditFilterSerializer.jsonEntity(manager.filter),
            "paging": { "skip": manager.skip, "take": manager.pageSize, "calcTotal": true }
        })

        onInvokedOk: {
            var answer = jsonResult ? jsonResult["result"] : null
            var total = answer ? Number(answer["total"]) : NaN
            // A total below what this page holds cannot be right: count what came.
            var least = manager.skip + (result ? result.length : 0)
            manager.__total = isFinite(total) && total >= least ? total : least
        }
    }

    // Later, once the request's parameters have taken the new page: a handler of this signal
    // runs before the bindings that follow it.
    onSkipChanged: Qt.callLater(manager.reload)
}
