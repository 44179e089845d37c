import QtQuick 2.15
import QtQuickX 1.0
import App.Constants 1.0
import "qrc:///Datamizer/LogMasking.js" as LogMasking

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
    readonly property FileLoader loader: serviceLoader

    readonly property var __parsedResult: __parse(serviceLoader.result)

    signal invoking()
    signal invoked()
    signal invokedOk()
    signal invokedFail(string message)

    function invoke() {
        serviceLoader.reload()
    }

    function reload() {
        if (resetResultOnReload && serviceLoader.result)
            serviceLoader.result = ""
        serviceLoader.reload()
    }

    function hasErrors() {
        if (!jsonResult)
            return false
        var code = jsonResult["status"]
        return typeof code === "number" && code >= 1 && code <= 7 && Math.floor(code) === code
    }

    function findReason() {
        var code = jsonResult ? jsonResult["status"] : undefined
        switch (code) {
        case undefined:
        case 0:
        case 1:
            return Strings.unknownError
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
        return undefined
    }

    // An answer that is not JSON gives no result instead of keeping a stale one.
    function __parse(text) {
        if (!text)
            return { "value": null, "valid": true }
        try {
            return { "value": JSON.parse(text), "valid": true }
        } catch (e) {
            console.warn("Datamizer::parse:", method, e)
            return { "value": null, "valid": false }
        }
    }

    function __onAnswer() {
        invoked()
        if (!__parsedResult.valid)
            invokedFail("")
        else if (hasErrors())
            invokedFail(findReason())
        else
            invokedOk()
    }

    onInvoked: console.log("Datamizer.invoked")

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
        onResultChanged: console.log("Method:", service.method, "Result:",
                                      result ? result.length : 0, "bytes")
        onReadyAndOk: service.__onAnswer()
        onError: {
            console.log("Datamizer::onError")
            service.invokedFail("")
        }
    }
}
