import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0
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
    // Also while a large answer is still being read.
    readonly property bool isLoading: serviceLoader.isLoading || __reading
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
    // Answers longer than this many characters are parsed and cut on a worker thread: the
    // window would stall for seconds on tens of megabytes.
    property int offThreadAbove: 256 * 1024
    // Why the last call failed, until a call succeeds: a screen made later can still say why.
    readonly property string lastFailure: __lastFailure
    property string __lastFailure: ""

    // The answer is parsed once when it arrives and its text dropped: a service lives as long
    // as its screen or the whole run, and the text could be tens of megabytes.
    property var __parsedResult: ({ "value": null, "valid": true, "dropped": 0 })
    // A large answer is being read; this goes on with it once it is ready.
    property bool __reading: false
    property var __whenRead: null
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
        __dropReading()
        __released = false
        serviceLoader.reload()
    }

    // Drops the last answer and a call still on its way; why the last call failed stays.
    function release() {
        __forgetShown()
        __dropReading()
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
        __dropReading()
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

    // Takes the answer, then calls `then` once it is ready to be shown.
    function __takeAnswer(then) {
        __released = false
        var text = serviceLoader.result
        if (text.length > offThreadAbove) {
            __dropText()
            __reading = true
            __whenRead = then
            answerReader.read(text, __readBounds())
            return
        }
        // An answer like the last one keeps its entities: a list read again unchanged must not
        // reset the views (and what the operator typed into them).
        var digest = text ? Qt.md5(text) : ""
        if (digest === "" || digest !== __answerDigest || __parsedResult.value === null)
            __parsedResult = __parse(text)
        __answerDigest = digest
        __dropText()
        then()
    }

    function __dropText() {
        if (!serviceLoader.result)
            return
        __droppingText = true
        serviceLoader.result = ""
        __droppingText = false
    }

    function __dropReading() {
        if (!__reading)
            return
        answerReader.cancel()
        __cancelPreparing()
        __whenRead = null
        __reading = false
    }

    function __onRead(valid, text, digest, dropped, listed, uncut) {
        if (dropped)
            console.warn("Datamizer:", method, "answered", listed, "items; left out", dropped)
        var finish = function (parsed) {
            var then = __whenRead
            __whenRead = null
            __reading = false
            if (parsed)
                __parsedResult = parsed
            __answerDigest = digest
            if (then)
                then()
        }
        if (digest === __answerDigest && __parsedResult.value !== null) {
            finish(null)
            return
        }
        var parsed = { "value": null, "valid": false, "dropped": 0 }
        if (valid) {
            try {
                parsed = { "value": JSON.parse(text), "valid": true, "dropped": dropped }
                DataUtils.keepUncutTexts(parsed.value, uncut)
            } catch (e) {
                console.warn("Datamizer::parse:", method, e)
            }
        }
        __prepare(parsed.value, function () { finish(parsed) })
    }

    // How a large answer is bounded where it is read; a derived service adds its list's bounds.
    function __readBounds() {
        return __textBounds()
    }

    function __textBounds() {
        return { "maxTextLength": maxTextLength, "longTextKeys": longTextKeys,
                 "maxLongTextLength": DataUtils.maxLongTextLength, "cutNote": DataUtils.cutNote() }
    }

    // What a derived service makes of a large answer before it is shown, such as its entities
    // built a few at a time; calls `done` when that is over.
    function __prepare(value, done) {
        done()
    }

    function __cancelPreparing() {
    }

    // Lets go of what a derived service shows before the answer goes, so that views over a
    // large list follow one change to nothing instead of one per step of the release.
    function __forgetShown() {
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

    AnswerReader {
        id: answerReader

        onFinished: service.__onRead(valid, text, digest, droppedItems, listedItems, uncut)
    }

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
        onReadyAndOk: service.__takeAnswer(service.__onAnswer)
        onError: service.__takeAnswer(service.__onTransportFailure)
        onTimeOut: service.__onTransportFailure()
    }
}
