import QtQuick 2.15
import QtQuickX 1.0
import App.Constants 1.0
import Datamizer 1.0
import "qrc:///Datamizer/LogMasking.js" as LogMasking
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// One method of the management service: posts the JSON body to baseUrl/method and
// reports the outcome of each answer.
QmlObject {
    id: service

    property url baseUrl: "http://127.0.0.1/{service}/{service}.svc/js"
    property int debounceInterval: 5
    property bool resetResultOnReload: true
    property alias enabled: serviceLoader.enabled
    property var bodyParams: ({})
    property string method: ""
    property string requestMethod: "POST"
    readonly property var jsonResult: __parsedResult.value
    property alias manual: serviceLoader.manual
    // Lets a second call run while the first is still on its way instead of replacing it.
    property alias concurrent: serviceLoader.concurrent
    readonly property alias isLoading: serviceLoader.isLoading
    readonly property string status: jsonResult ? String(jsonResult["status"]) : "-1"
    // Answers of the management service carry a "status"; other sources (a catalogue file)
    // set this to false and are taken as they are.
    property bool statusRequired: true
    // A successful answer whose payload a derived service cannot use returns false: such an
    // answer fails as unreadable.
    property var payloadCheck: null
    // The answer may be used: only the number 0 is a successful status.
    readonly property bool answerOk: serviceLoader.succeeded && __answerOk(jsonResult) && __payloadOk()
    // Largest answer read, in bytes; a larger one fails unread.
    property alias maxResultSize: serviceLoader.maxResultSize
    // Deadline of a whole call, in ms.
    property alias timeOutInterval: serviceLoader.timeOutInterval
    readonly property FileLoader loader: serviceLoader
    // Every text of an answer is cut to this many characters (0: none is cut) ...
    property int maxTextLength: DataUtils.maxTextLength
    // ... except the members of these names, which keep DataUtils.maxLongTextLength.
    property var longTextKeys: []
    // Why the last call failed, until a call succeeds: a screen made later can still say why.
    readonly property string lastFailure: __lastFailure
    property string __lastFailure: ""

    // The answer is parsed once when it arrives and its text dropped: a service lives as long
    // as its screen or the whole run, and the text could be tens of megabytes.
    property var __parsedResult: ({ "value": null, "valid": true })
    property bool __droppingText: false
    property string __answerDigest: ""

    // How many shown screens read the results (see ServiceUse). The last one leaving gives the
    // answer back, and the first one after that asks again.
    readonly property int uses: __uses
    property int __uses: 0
    property bool __released: false

    signal invoking()
    signal invoked()
    signal invokedOk()
    signal invokedFail(string message)
    // The answer and what was made of it are gone: nothing shows them.
    signal released()

    function invoke() {
        __released = false
        serviceLoader.reload()
    }

    // Drops the last answer and a call still on its way; why the last call failed stays.
    function release() {
        serviceLoader.abort()
        __droppingText = true
        serviceLoader.result = ""
        __droppingText = false
        __parsedResult = __parse("")
        __answerDigest = ""
        __released = true
        released()
    }

    function __addUse() {
        ++__uses
        // Without a screen of its own, a list that runs by itself would wait for a new body.
        if (__released && !manual)
            invoke()
    }

    function __dropUse() {
        __uses = Math.max(0, __uses - 1)
        if (__uses === 0)
            release()
    }

    function reload() {
        __released = false
        if (resetResultOnReload && (serviceLoader.result || __parsedResult.value !== null)) {
            serviceLoader.result = ""
            __parsedResult = __parse("")
            __answerDigest = ""
        }
        serviceLoader.reload()
    }

    function hasErrors() {
        if (jsonResult === null || jsonResult === undefined)
            return false
        return !__answerOk(jsonResult)
    }

    function findReason() {
        var code = jsonResult ? jsonResult["status"] : undefined
        // The service did answer: say so rather than blame the connection.
        if (code === undefined || code === null)
            return Strings.answerWithoutStatusError
        switch (code) {
        case 2:
            return Strings.unauthentificatedError
        case 3:
            return Strings.norightsError
        case 4:
            return Strings.alreadyExistsError
        case 5:
            return Strings.notFoundError
        case 6:
            return Strings.invalidArgumentError
        case 7:
            return Strings.wrongContextError
        }
        return Strings.unknownError
    }

    function __isRecord(answer) {
        return answer !== null && typeof answer === "object" && !Array.isArray(answer)
    }

    function __payloadOk() {
        return !payloadCheck || payloadCheck()
    }

    function __answerOk(answer) {
        if (answer === null || answer === undefined)
            return false
        if (!statusRequired)
            return typeof answer !== "object" || answer["status"] === undefined
                    || answer["status"] === 0
        return __isRecord(answer) && answer["status"] === 0
    }

    // An answer that is not JSON gives no result instead of keeping a stale one.
    function __parse(text) {
        if (!text)
            return { "value": null, "valid": true }
        try {
            var value = JSON.parse(text)
            return { "value": DataUtils.boundTexts(value, longTextKeys, maxTextLength), "valid": true }
        } catch (e) {
            console.warn("Datamizer::parse:", method, e)
            return { "value": null, "valid": false }
        }
    }

    function __takeAnswer() {
        __released = false
        // An answer like the last one keeps its entities: a list read again unchanged must not
        // reset the views (and what the operator typed into them).
        var digest = serviceLoader.result ? Qt.md5(serviceLoader.result) : ""
        if (digest === "" || digest !== __answerDigest || __parsedResult.value === null)
            __parsedResult = __parse(serviceLoader.result)
        __answerDigest = digest
        if (!serviceLoader.result)
            return
        __droppingText = true
        serviceLoader.result = ""
        __droppingText = false
    }

    function __onAnswer() {
        invoked()
        if (!__parsedResult.valid || (statusRequired && !__isRecord(jsonResult))) {
            invokedFail(Strings.unreadableAnswerError)
        } else if (hasErrors()) {
            // Status 2: the session token is no longer valid.
            if (jsonResult["status"] === 2)
                ServiceEvents.sessionExpired(method)
            invokedFail(findReason())
        } else if (!__payloadOk()) {
            invokedFail(Strings.unreadableAnswerError)
        } else {
            invokedOk()
        }
    }

    function __onTransportFailure() {
        console.log("Datamizer::onError", method)
        invokedFail(serviceLoader.errorString)
    }

    onInvoked: console.log("Datamizer.invoked")
    onInvokedOk: __lastFailure = ""
    onInvokedFail: __lastFailure = message || Strings.requestFailedError

    FileLoader {
        id: serviceLoader

        source: String(service.baseUrl) + "/" + service.method
        requestBody: JSON.stringify(service.bodyParams)
        requestHeaders: ({ "Content-Type": "application/json" })
        requestMethod: service.requestMethod
        debounceInterval: service.debounceInterval

        onStarted: {
            service.invoking()
            console.log("Datamizer.invoke:", service.method, LogMasking.maskedBody(requestBody))
        }
        onResultChanged: {
            if (!service.__droppingText)
                console.log("Method:", service.method, "Result:", result ? result.length : 0, "bytes")
        }
        onReadyAndOk: {
            service.__takeAnswer()
            service.__onAnswer()
        }
        onError: {
            service.__takeAnswer()
            service.__onTransportFailure()
        }
        onTimeOut: service.__onTransportFailure()
    }
}
