import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// Performs the three authentication requests and writes a granted login into currentLoginInfo.
QtObject {
    id: handler

    // Set by the authentication manager: the effective and the own login, and the headers.
    property LoginInfo currentLoginInfo
    property LoginInfo ownLoginInfo
    property var headers

    property var __credentials: null

    readonly property FileLoader loginRequester: FileLoader {
        source: Endpoints.login
        requestMethod: "POST"
        requestHeaders: handler.headers
        manual: true
        onReadyAndOk: handler.processData(result)
        onError: {
            console.log("LoginHandler::loginRequester:error", status)
            handler.fail()
        }
        onTimeOut: {
            console.log("LoginHandler::loginRequester:timeOut")
            handler.fail()
        }
    }

    readonly property FileLoader sessionRequester: FileLoader {
        source: Endpoints.session
        requestMethod: "POST"
        requestHeaders: handler.headers
        manual: true
        onReadyAndOk: handler.__processSessionInfo(result)
        onError: {
            console.log("LoginHandler::sessionRequester:error", status)
            handler.fail()
        }
        onTimeOut: {
            console.log("LoginHandler::sessionRequester:timeOut")
            handler.fail()
        }
    }

    readonly property FileLoader logoffRequester: FileLoader {
        source: Endpoints.logoff
        requestMethod: "POST"
        requestHeaders: handler.headers
        manual: true
        // A log-off from another user's context ends two sessions at once.
        concurrent: true
        onReadyAndOk: console.log("Logoff request - Ok")
        onError: console.log("Logoff failed")
        onTimeOut: console.log("Logoff failed")
    }

    signal authorized(string userId, string method)
    signal error(string message, string method)

    function runRequest(creds) {
        __credentials = creds
        if (creds.method === creds.methodSessionToken) {
            checkSessionInfo(creds)
            return
        }
        loginRequester.requestBody = JSON.stringify({
            "method": creds.method,
            "data": {
                "sessionToken": creds.sessionToken || "",
                "userId": creds.userId ? String(creds.userId) : "",
                "login": creds.login || null,
                "password": creds.password || null
            }
        })
        loginRequester.reload()
    }

    function checkSessionInfo(info) {
        sessionRequester.requestBody = JSON.stringify({ "sessionToken": info.sessionToken })
        sessionRequester.reload()
    }

    // Ends a session at the service that granted it; the local state is the manager's.
    function requestLogoff(logoffUri, sessionToken) {
        logoffRequester.source = logoffUri || Endpoints.logoff
        logoffRequester.requestBody = JSON.stringify({ "sessionToken": sessionToken || "" })
        logoffRequester.reload()
    }

    function processData(data) {
        var granted = __grantedResult(data)
        if (!granted)
            return
        // Without a token there is no session, whatever the status says.
        if (!granted.t) {
            console.log("LoginHandler::processData:noToken")
            fail()
            return
        }
        __authorize(granted, granted.t, __credentials ? __credentials.method : "")
    }

    function fail() {
        currentLoginInfo.status = LoginInfo.Error
        error(Strings.accessDeniedError, __credentials ? __credentials.method : "")
    }

    function __processSessionInfo(data) {
        var granted = __grantedResult(data)
        if (!granted)
            return
        __authorize(granted, ownLoginInfo.sessionToken, "sessionToken")
    }

    // The "result" of an Ok answer, or null after reporting the failure.
    function __grantedResult(data) {
        var answer
        try {
            answer = JSON.parse(data)
        } catch (e) {
            console.log("LoginHandler::responseError", e)
            fail()
            return null
        }
        var status = answer ? answer.status : undefined
        if (status !== ResponseStatus.Ok) {
            console.log("LoginHandler::processData:responseStatus", status)
            fail()
            return null
        }
        return answer.result || {}
    }

    function __dateValue(value) {
        if (value === null || value === undefined || value === "")
            return new Date(NaN)
        if (typeof value === "object" && value["DateTime"] !== undefined)
            return DataUtils.dateTimeOffset(value) || new Date(NaN)
        return value
    }

    function __authorize(granted, token, method) {
        currentLoginInfo.logoff()
        currentLoginInfo.sessionToken = token || ""
        currentLoginInfo.createdAt = __dateValue(granted.ca)
        currentLoginInfo.unusedExpiredAt = __dateValue(granted.uea)
        currentLoginInfo.role = granted.r !== undefined && granted.r !== null ? granted.r : -1
        currentLoginInfo.userId = granted.uId !== undefined && granted.uId !== null ? granted.uId : -1
        currentLoginInfo.loginName = __credentials && __credentials.login ? __credentials.login : ""
        currentLoginInfo.status = LoginInfo.Authorized
        authorized(currentLoginInfo.userId, method)
    }
}
