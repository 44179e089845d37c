import QtQuick 2.15
import QtQuickX 1.0

// An HTTP (or local) loader over the script engine's XMLHttpRequest.
// By default one request is outstanding at a time and a new load aborts the previous one;
// with `concurrent` a new load leaves requests already on their way to finish.
QmlObject {
    id: loader

    property bool manual: false
    property int retryInterval: 0
    property int timeOutInterval: 10000
    property url source: ""
    property string result: ""
    property var requestBody: null
    property var requestHeaders
    property string responseType: ""
    property var rawResult
    property bool enabled: true
    property alias debounceInterval: reloadDebounce.interval
    property string requestMethod: "GET"
    property bool concurrent: false
    readonly property bool isReadyAndOk: readyState === 4 && __lastSucceeded
    readonly property bool isLoading: __outstandingCount > 0
    property int readyState: 0
    property int status: 0

    property bool __lastSucceeded: false
    property int __outstandingCount: 0
    property var __outstanding: []

    signal readyAndOk()
    signal error()
    signal timeOut()
    // A request has been sent.
    signal started()

    function reload() {
        if (!concurrent)
            abort()
        if (manual)
            reloadDebounce.runNow()
        else
            reloadDebounce.schedule()
    }

    function abort() {
        var pending = __outstanding
        __outstanding = []
        __outstandingCount = 0
        for (var i = 0; i < pending.length; ++i)
            __cancel(pending[i])
        retryTimer.stop()
        reloadDebounce.abort()
    }

    // Without an HTTP status a remote request has failed (refused, unresolved, TLS);
    // local files and resources have no status at all.
    function __isSuccess(requestStatus, url) {
        if (requestStatus === 200)
            return true
        return requestStatus === 0 && !/^https?:/i.test(url)
    }

    function __cancel(entry) {
        entry.request.onreadystatechange = null
        entry.timer.destroy()
        entry.request.abort()
    }

    function __forget(entry) {
        var index = __outstanding.indexOf(entry)
        if (index < 0)
            return false
        __outstanding.splice(index, 1)
        __outstandingCount = __outstanding.length
        entry.timer.destroy()
        return true
    }

    function __load() {
        if (!concurrent)
            abort()
        if (!enabled)
            return
        readyState = 0
        var url = String(source)
        var request = new XMLHttpRequest()
        var entry = {
            "request": request,
            "url": url,
            "timer": timeOutTimer.createObject(loader, { "interval": timeOutInterval })
        }
        __outstanding.push(entry)
        __outstandingCount = __outstanding.length
        request.open(requestMethod, url, true)
        if (responseType)
            request.responseType = responseType
        if (requestHeaders) {
            for (var name in requestHeaders)
                request.setRequestHeader(name, requestHeaders[name])
        }
        request.onreadystatechange = function () {
            loader.__onReadyStateChange(entry)
        }
        entry.timer.triggered.connect(function () {
            loader.__onTimeOut(entry)
        })
        if (requestBody)
            request.send(requestBody)
        else
            request.send()
        if (__outstanding.indexOf(entry) < 0)
            return
        if (timeOutInterval > 0)
            entry.timer.start()
        started()
    }

    function __onReadyStateChange(entry) {
        if (__outstanding.indexOf(entry) < 0)
            return
        var request = entry.request
        // The time-out bounds only the wait for the first answer of the server.
        entry.timer.stop()
        if (request.readyState !== XMLHttpRequest.DONE) {
            readyState = request.readyState
            return
        }
        __forget(entry)
        var succeeded = __isSuccess(request.status, entry.url)
        result = request.responseText
        status = request.status
        __lastSucceeded = succeeded
        readyState = 4
        if (succeeded) {
            readyAndOk()
        } else {
            console.warn("FileLoader error loading '" + entry.url + "': " + result)
            error()
        }
    }

    function __onTimeOut(entry) {
        if (!__forget(entry))
            return
        entry.request.onreadystatechange = null
        entry.request.abort()
        if (!concurrent)
            abort()
        timeOut()
    }

    function __scheduleAutomaticLoad() {
        if (!manual)
            reloadDebounce.schedule()
    }

    onSourceChanged: __scheduleAutomaticLoad()
    onRequestBodyChanged: __scheduleAutomaticLoad()
    onRequestMethodChanged: __scheduleAutomaticLoad()
    onRequestHeadersChanged: __scheduleAutomaticLoad()
    onReadyAndOk: retryTimer.stop()
    onError: {
        if (retryInterval > 0)
            retryTimer.start()
    }
    // The first values of the request count as a change.
    Component.onCompleted: __scheduleAutomaticLoad()

    Debounce {
        id: reloadDebounce
        when: !loader.manual && loader.enabled
        onTimeout: loader.__load()
    }

    Timer {
        id: retryTimer
        interval: loader.retryInterval
        repeat: false
        onTriggered: loader.reload()
    }

    Component {
        id: timeOutTimer
        Timer { repeat: false }
    }
}
