import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import "DevicesCsv.js" as DevicesCsv

// Writes every device a filter finds (all pages) to a CSV file. The file is written at once when
// the last page has arrived, so a failure or a cancel leaves no half file behind. Pages are read
// until one adds nothing; a list that ends before its announced total, or at maxDevices, is
// written as far as it came and reported as incomplete, with the reason.
QmlObject {
    id: exporter

    property int pageSize: 1000
    // The most devices one export holds: a service that never ends its list cannot fill the
    // memory.
    property int maxDevices: 1000000
    // Names a location by id for the "location name" column.
    property var locationNameOf: function (customerId) { return "" }
    readonly property bool running: __running
    readonly property int exported: __exported
    // A double: a fleet's total may pass what 32 bits hold.
    readonly property real total: __total

    signal finished(bool ok, string message)

    property bool __running: false
    property int __exported: 0
    property real __total: 0
    property int __skip: 0
    property var __filter: null
    property url __fileUrl
    property var __lines: []
    property var __seen: ({})

    function start(fileUrl, filterJson) {
        cancel()
        __fileUrl = fileUrl
        __filter = filterJson
        __lines = [DevicesCsv.headerLine()]
        __seen = {}
        __exported = 0
        __total = 0
        __skip = 0
        __running = true
        listPage.invoke()
    }

    function cancel() {
        if (!__running)
            return
        listPage.loader.abort()
        __finish(false, qsTr("Export cancelled."))
    }

    function __takePage() {
        var answer = listPage.jsonResult ? listPage.jsonResult["result"] : null
        var items = answer && answer["items"] ? answer["items"] : null
        if (!items) {
            __finish(false, Strings.unknownError)
            return
        }
        var declared = answer["total"]
        if (typeof declared === "number" && isFinite(declared))
            __total = Math.floor(declared)
        var fresh = 0
        for (var i = 0; i < items.length && __exported + fresh < maxDevices; ++i) {
            var id = items[i]["id"]
            if (__seen[id])
                continue
            __seen[id] = true
            __lines.push(DevicesCsv.deviceLine(items[i], locationNameOf))
            ++fresh
        }
        __exported += fresh
        __skip += items.length
        // A total below the devices at hand is wrong: they are what is known.
        __total = Math.max(__total, __exported)
        if (__exported >= maxDevices) {
            __write(qsTr("the export stops at %1 devices").arg(__count(maxDevices)))
        } else if (fresh === 0) {
            __write(__exported < __total ? qsTr("the service sent no more") : "")
        } else if (__exported >= __total && declared !== undefined && items.length < pageSize) {
            __write("")
        } else {
            listPage.invoke()
        }
    }

    function __count(number) {
        return Number(number).toLocaleString(Qt.locale(), "f", 0)
    }

    // Writes what was read; why stops short of the announced total, when it did.
    function __write(why) {
        var written = LocalIO.writeWholeFile(__fileUrl, __lines.join(""))
        console.log("DevicesCsvExport::write:", written, __exported, "devices")
        if (!written)
            __finish(false, qsTr("The file could not be written."))
        else if (why)
            __finish(false, qsTr("%1 of %2 devices exported: %3.").arg(__count(__exported))
                                                                   .arg(__count(__total)).arg(why))
        else
            __finish(true, qsTr("%1 devices exported.").arg(__exported))
    }

    function __finish(ok, message) {
        __running = false
        __lines = []
        __seen = {}
        finished(ok, message)
    }

    readonly property DatamizerService listPage: DatamizerService {
        baseUrl: Endpoints.serviceUri
        method: "listDevices"
        manual: true
        resetResultOnReload: false
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": exporter.__filter,
            "paging": { "skip": exporter.__skip, "take": exporter.pageSize, "calcTotal": true },
            "what": "id,n,m,fw,mac,ip,cId,io,lo,tg"
        })

        onInvokedOk: {
            if (exporter.__running)
                exporter.__takePage()
        }
        onInvokedFail: {
            if (exporter.__running)
                exporter.__finish(false, message || Strings.requestFailedError)
        }
    }

    Connections {
        target: listPage.loader
        function onTimeOut() {
            if (exporter.__running)
                exporter.__finish(false, Strings.requestFailedError)
        }
    }
}
