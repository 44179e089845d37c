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
            handler.failToReach(errorString)
        }
        onTimeOut: {
            console.log("LoginHandler::loginRequester:timeOut")
            handler.failToReach(errorString)
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
            handler.failToReach(errorString)
        }
        onTimeOut: {
            console.log("LoginHandler::sessionRequester:timeOut")
            handler.failToReach(errorString)
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
    // `refused`: the service turned the credentials down; otherwise it could not be asked or
    // its answer could not be used.
    signal error(string message, string method, bool refused)

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

    // Drops a login or session check still on its way; its answer is never seen.
    function cancel() {
        loginRequester.abort()
        sessionRequester.abort()
    }

    // Ends the session at the service that granted it; the local state is the manager's.
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

    // The service refused the credentials.
    function fail() {
        __failWith(Strings.accessDeniedError, true)
    }

    // The service could not be asked (unreachable, too slow, HTTP error, redirect) or gave no
    // usable answer: the message says which.
    function failToReach(message) {
        __failWith(message || Strings.requestFailedError, false)
    }

    function __failWith(message, refused) {
        currentLoginInfo.status = LoginInfo.Error
        error(message, __credentials ? __credentials.method : "", refused)
    }

    function __processSessionInfo(data) {
        var granted = __grantedResult(data)
        if (!granted)
            return
        __authorize(granted, ownLoginInfo.sessionToken, "sessionToken")
    }

    // The "result" of an Ok answer that names a user, or null after reporting the failure.
    // Only the number 0 grants; 2, 3 and 7 and a grant without a user are refusals.
    function __grantedResult(data) {
        var answer
        try {
            answer = JSON.parse(data)
        } catch (e) {
            console.log("LoginHandler::responseError", e)
            failToReach(Strings.unreadableAnswerError)
            return null
        }
        var isRecord = function (value) {
            return value !== null && typeof value === "object" && !Array.isArray(value)
        }
        if (!isRecord(answer)) {
            console.log("LoginHandler::responseError: not an object")
            failToReach(Strings.unreadableAnswerError)
            return null
        }
        var status = answer.status
        if (status !== ResponseStatus.Ok) {
            console.log("LoginHandler::processData:responseStatus", status)
            if (status === ResponseStatus.Unauthentificated || status === ResponseStatus.NoRights
                    || status === ResponseStatus.WrongContext)
                fail()
            else
                failToReach(Strings.unknownError)
            return null
        }
        var granted = answer.result
        if (!isRecord(granted) || typeof granted.uId !== "number" || !(granted.uId >= 0)) {
            console.log("LoginHandler::processData:noUser")
            fail()
            return null
        }
        return granted
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
