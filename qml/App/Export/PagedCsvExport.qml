import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import "CsvText.js" as CsvText

// Writes every item a list method of the service finds for a filter (all pages) to a CSV file.
// The file is written at once when the last page has arrived, so a failure or a cancel leaves
// no half file behind. Pages are read until one adds nothing; a list that ends before its
// announced total, or at maxItems, is written as far as it came and reported as incomplete,
// with the reason.
QmlObject {
    id: exporter

    // The list method, e.g. "listDevices"; it takes "filter" and "paging" and answers
    // {"items", "total"} with an "id" in each item.
    property string method: ""
    // The "what" member of the request, when the method takes one.
    property string what: ""
    property var header: []
    // The cells of one item's line.
    property var valuesOf: function (item) { return [] }
    property int pageSize: 1000
    // The most items one export holds: a service that never ends its list cannot fill the memory.
    property int maxItems: 1000000
    // What the operator reads; %1, %2 and %3 are filled in as named.
    property string readingText: qsTr("%1 of %2 read…") // exported, total
    property string doneText: qsTr("%1 exported.") // exported
    property string savedText: qsTr("%1 exported to %2.") // exported, file
    property string partText: qsTr("%1 of %2 exported: %3.") // exported, total, why
    property string limitText: qsTr("the export stops at %1") // maxItems
    readonly property bool running: __running
    readonly property int exported: __exported
    // A double: a total may pass what 32 bits hold.
    readonly property real total: __total
    readonly property string exportedText: __count(__exported)
    readonly property string progressText: readingText.arg(__exported).arg(__count(__total))

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
        __lines = [CsvText.line(header)]
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
        for (var i = 0; i < items.length && __exported + fresh < maxItems; ++i) {
            var id = items[i]["id"]
            if (__seen[id])
                continue
            __seen[id] = true
            __lines.push(CsvText.line(valuesOf(items[i])))
            ++fresh
        }
        __exported += fresh
        __skip += items.length
        // A total below the items at hand is wrong: they are what is known.
        __total = Math.max(__total, __exported)
        if (__exported >= maxItems) {
            __write(limitText.arg(__count(maxItems)))
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
        console.log("PagedCsvExport::write:", method, written, __exported, "items")
        if (!written)
            __finish(false, qsTr("The file could not be written."))
        else if (why)
            __finish(false, partText.arg(__count(__exported)).arg(__count(__total)).arg(why))
        else
            __finish(true, doneText.arg(__exported))
    }

    function __finish(ok, message) {
        __running = false
        __lines = []
        __seen = {}
        finished(ok, message)
    }

    function __body() {
        var body = {
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": __filter,
            "paging": { "skip": __skip, "take": pageSize, "calcTotal": true }
        }
        if (what)
            body["what"] = what
        return body
    }

    readonly property DatamizerService listPage: DatamizerService {
        baseUrl: Endpoints.serviceUri
        method: exporter.method
        manual: true
        resetResultOnReload: false
        bodyParams: exporter.__body()

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
