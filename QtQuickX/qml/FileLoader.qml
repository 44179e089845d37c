import QtQuick 2.15
import QtQuickX 1.0

// An HTTP (or local) loader over the bounded HttpRequest.
// By default one request is outstanding at a time and a new load aborts the previous one;
// with `concurrent` a new load leaves requests already on their way to finish.
// Every request is bounded: `timeOutInterval` is the deadline of the whole exchange (headers and
// body), `maxResultSize` the largest answer read, and no redirect leads to another origin.
QmlObject {
    id: loader

    property bool manual: false
    property int retryInterval: 0
    property int timeOutInterval: 10000
    property real maxResultSize: 32 * 1024 * 1024
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
    // The last finished request succeeded; `result` is its answer.
    readonly property bool succeeded: __lastSucceeded
    readonly property bool isLoading: __outstandingCount > 0
    property int readyState: 0
    property int status: 0
    // Why the last request failed, for the operator: unreachable, timed out, too large,
    // redirected or an HTTP error; empty after a success.
    property string errorString: ""

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
            __release(pending[i])
        retryTimer.stop()
        reloadDebounce.abort()
    }

    function __release(request) {
        request.abort()
        request.destroy()
    }

    function __forget(request) {
        var index = __outstanding.indexOf(request)
        if (index < 0)
            return false
        __outstanding.splice(index, 1)
        __outstandingCount = __outstanding.length
        return true
    }

    function __headers() {
        var headers = {}
        if (requestHeaders) {
            for (var name in requestHeaders)
                headers[name] = String(requestHeaders[name])
        }
        return headers
    }

    function __load() {
        if (!concurrent)
            abort()
        if (!enabled)
            return
        readyState = 0
        var request = requestComponent.createObject(loader, {
            "timeout": timeOutInterval,
            "maxResponseSize": maxResultSize
        })
        __outstanding.push(request)
        __outstandingCount = __outstanding.length
        request.readyStateChanged.connect(function () {
            loader.__onReadyStateChange(request)
        })
        request.finished.connect(function () {
            loader.__onFinished(request)
        })
        request.send(requestMethod, source, __headers(), requestBody ? String(requestBody) : "")
        started()
    }

    function __onReadyStateChange(request) {
        if (__outstanding.indexOf(request) >= 0 && request.readyState < 4)
            readyState = request.readyState
    }

    function __onFinished(request) {
        if (!__forget(request))
            return
        var failure = request.failure
        errorString = request.errorString
        request.destroy()
        if (failure === HttpRequest.TimedOut) {
            // The answer so far is dropped; a previous result stays.
            console.warn("FileLoader time-out loading '" + source + "':", errorString)
            if (!concurrent)
                abort()
            timeOut()
            return
        }
        var succeeded = failure === HttpRequest.NoFailure
        // Set first, so that whatever reads the result sees whether it is an answer or an error.
        __lastSucceeded = succeeded
        result = request.responseText
        status = request.status
        readyState = 4
        if (succeeded) {
            readyAndOk()
        } else {
            // A failed answer is logged by its start only: it may echo a token or a password.
            console.warn("FileLoader error loading '" + source + "':", errorString,
                         request.logExcerpt())
            error()
        }
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
        id: requestComponent
        HttpRequest {}
    }
}
