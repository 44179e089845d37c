import QtQuick 2.15
import QtTest 1.15
import Qt.labs.settings 1.1
import Ostrel 1.0
import App.Auth 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.MockupDatasets 1.0
import App.Users 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "AuthManager"

    readonly property string serviceUri: server.url + "/QuillonService.svc"
    readonly property string grantedAnswer: '{"status":0,"result":{"t":"tok-1","r":1,"uId":42}}'

    ScriptedServer { id: server }

    // The console's main view holds the lookup of the names of logged-in users; made once the
    // stored session has been read.
    Component {
        id: userInfoLookupComponent
        UserInfoLookup {}
    }

    Settings {
        id: storedSession
        category: "session"
    }

    Component {
        id: credentialsComponent
        LoginCredentials {}
    }

    Component {
        id: infoComponent
        LoginInfo {}
    }

    SignalSpies {
        id: spies
    }

    function spyOn(target, signalName) {
        return spies.spyOn(target, signalName)
    }

    function cleanup() {
        spies.clear()
    }

    function credentials(properties) {
        return createTemporaryObject(credentialsComponent, testCase, properties)
    }

    function waitForOutcome() {
        var authorized = spyOn(AuthManager, "authorized")
        var failed = spyOn(AuthManager, "authorizationError")
        return {
            "authorized": authorized,
            "failed": failed,
            "wait": function () {
                tryVerify(function () { return authorized.count + failed.count > 0 }, 3000)
            }
        }
    }

    function passwordLogin(remember) {
        AuthManager.rememberSession = remember
        server.enqueue(200, grantedAnswer)
        var outcome = waitForOutcome()
        AuthManager.login(credentials({ "login": "operator", "password": "secret" }))
        outcome.wait()
        compare(outcome.authorized.count, 1)
        return outcome
    }

    // The name lookups after a login run in the background; the checks here are about the rest.
    readonly property var lookupPaths: ["/QuillonService.svc/listUsers", "/QuillonService.svc/listLogins"]

    function sessionRequests() {
        return server.requestsExcept(lookupPaths)
    }

    function lastRequest() {
        var requests = sessionRequests()
        return requests[requests.length - 1]
    }

    // What a previous run with "Remember me" left behind is read when the manager starts.
    function initTestCase() {
        storedSession.setValue("rememberUser", true)
        storedSession.setValue("loginInfo", '{"sessionToken":"from-last-run","status":3,"role":2,"userId":9}')
        compare(AuthManager.rememberSession, true)
        compare(AuthManager.loginInfo.sessionToken, "from-last-run")
        compare(AuthManager.loginInfo.status, LoginInfo.Authorized)
        compare(AuthManager.loginInfo.role, 2)
        compare(AuthManager.loginInfo.userId, 9)
        compare(AuthManager.currentLoginInfo.sessionToken, "")
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Idle)
        // Moved out of the settings file at once.
        compare(storedSession.value("loginInfo", "moved"), "moved")

        verify(server.start())
        Endpoints.serviceUri = serviceUri
        verify(userInfoLookupComponent.createObject(testCase))
    }

    function init() {
        AuthManager.rememberSession = false
        AuthManager.loginInfo.logoff()
        AuthManager.currentLoginInfo.logoff()
        AuthManager.stringLoginInfo = ""
        AuthManager.handler.loginRequester.timeOutInterval = 10000
        AuthManager.handler.sessionRequester.timeOutInterval = 10000
        server.setDefaultResponse(200, '{"status":0}')
        for (var i = 0; i < lookupPaths.length; ++i)
            server.setPathResponse(lookupPaths[i], 200, '{"status":0}')
    }

    function test_loginWithoutCredentials() {
        var before = sessionRequests().length
        var outcome = waitForOutcome()
        AuthManager.login(null)
        compare(outcome.failed.count, 1)
        compare(outcome.failed.signalArguments[0][0], "Login credentials malformed.\n Please contact support.")
        // The refusal is synchronous; a request would need only the services' 5 ms debounce.
        wait(50)
        compare(sessionRequests().length, before)
    }

    function test_passwordLogin() {
        MockupConfig.useMockupDatasets = true
        var outcome = passwordLogin(true)
        var request = lastRequest()
        compare(request.path, "/QuillonService.svc/login")
        compare(request.method, "POST")
        compare(request.body, '{"method":"login-password","data":{"sessionToken":"","userId":"","login":"operator","password":"secret"}}')
        compare(outcome.authorized.signalArguments[0][0], "42")
        compare(MockupConfig.useMockupDatasets, false)
        compare(AuthManager.lastUserName, "operator")
        var infos = [AuthManager.currentLoginInfo, AuthManager.loginInfo]
        for (var i = 0; i < infos.length; ++i) {
            compare(infos[i].sessionToken, "tok-1")
            compare(infos[i].status, LoginInfo.Authorized)
            compare(infos[i].role, 1)
            compare(infos[i].userId, 42)
            compare(infos[i].loginName, "operator")
        }
        var stored = JSON.parse(AuthManager.stringLoginInfo)
        compare(stored.sessionToken, "tok-1")
        compare(stored.status, LoginInfo.Authorized)
        compare(stored.userId, 42)
        compare(stored.loginName, "operator")
        compare(stored.validFrom, "")
        // The session goes to the credential store, never into the settings file.
        wait(50)
        compare(storedSession.value("loginInfo", "none"), "none")
        compare(String(storedSession.value("lastUserName")), "operator")
    }

    function test_passwordLoginWithoutRememberStoresNothing() {
        passwordLogin(false)
        compare(AuthManager.stringLoginInfo, "")
        compare(AuthManager.loginInfo.sessionToken, "tok-1")
    }

    // A refusal forgets the remembered session; a service that could not be asked does not.
    function test_loginFailures_data() {
        return [
            { tag: "refused by service", status: 200, body: '{"status":3,"result":null}', delay: 0, refused: true },
            { tag: "not json", status: 200, body: "<html/>", delay: 0, refused: false },
            { tag: "http error", status: 500, body: "", delay: 0, refused: false },
            { tag: "ok without token", status: 200, body: '{"status":0,"result":{"r":1,"uId":42}}', delay: 0, refused: true },
            { tag: "time-out", status: 200, body: '{"status":0,"result":{"t":"late"}}', delay: 600, refused: false }
        ]
    }

    function test_loginFailures(data) {
        AuthManager.rememberSession = true
        AuthManager.stringLoginInfo = '{"sessionToken":"kept","status":3}'
        AuthManager.handler.loginRequester.timeOutInterval = 200
        server.enqueue(data.status, data.body, data.delay)
        var outcome = waitForOutcome()
        AuthManager.login(credentials({ "login": "operator", "password": "wrong" }))
        outcome.wait()
        compare(outcome.authorized.count, 0)
        compare(outcome.failed.signalArguments[0][0] === "Access denied!", data.refused)
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Error)
        compare(AuthManager.rememberSession, !data.refused)
        compare(AuthManager.stringLoginInfo === "", data.refused)
        // A late answer is sent by the server's own timer before this sentinel; the timed-out
        // request is closed, so nothing can still arrive.
        TimerSentinel.waitPast(data.delay + 50)
        compare(AuthManager.currentLoginInfo.sessionToken, "")
        AuthManager.rememberSession = false
    }

    function test_storedTokenLogin() {
        AuthManager.rememberSession = true
        var text = '{"sessionToken":"stored-1","status":3,"validFrom":"","validTo":"","createdAt":"",'
                + '"unusedExpiredAt":"","role":"","notes":"","userId":7,"loginName":"op","userName":"Op"}'
        AuthManager.stringLoginInfo = text
        compare(AuthManager.loginInfo.sessionToken, "stored-1")
        compare(AuthManager.loginInfo.status, LoginInfo.Authorized)
        compare(AuthManager.loginInfo.role, 0)
        compare(AuthManager.loginInfo.userId, 7)
        compare(AuthManager.currentLoginInfo.sessionToken, "")
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Idle)

        server.enqueue(200, '{"status":0,"result":{"r":0,"uId":7}}')
        var outcome = waitForOutcome()
        AuthManager.login(credentials({
            "method": "sessionToken",
            "sessionToken": AuthManager.loginInfo.sessionToken
        }))
        compare(AuthManager.loginInfo.status, LoginInfo.Loading)
        outcome.wait()
        compare(outcome.authorized.signalArguments[0][0], "7")
        compare(lastRequest().path, "/QuillonService.svc/getSessionInfo")
        compare(lastRequest().body, '{"sessionToken":"stored-1"}')
        compare(AuthManager.currentLoginInfo.sessionToken, "stored-1")
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Authorized)
        compare(AuthManager.currentLoginInfo.role, 0)
        compare(AuthManager.loginInfo.status, LoginInfo.Authorized)
        compare(AuthManager.stringLoginInfo, text)
    }

    function test_storedTokenTimeOutFails() {
        AuthManager.handler.sessionRequester.timeOutInterval = 150
        server.enqueue(200, '{"status":0,"result":{}}', 500)
        var outcome = waitForOutcome()
        AuthManager.login(credentials({ "method": "sessionToken", "sessionToken": "stored-2" }))
        outcome.wait()
        // A service too slow to answer is no refusal: the message says what happened.
        compare(outcome.failed.signalArguments[0][0], "The service at " + server.url + " did not answer within 0.15 s")
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Error)
        // The late answer is sent by the server's own timer before this sentinel, not into the next test.
        TimerSentinel.waitPast(600)
    }

    function test_userContextReplacesOnlyTheCurrentLogin() {
        passwordLogin(true)
        var stored = AuthManager.stringLoginInfo
        server.enqueue(200, '{"status":0,"result":{"t":"ctx-1","r":2,"uId":17}}')
        var outcome = waitForOutcome()
        AuthManager.login(credentials({
            "method": "user-context",
            "sessionToken": AuthManager.loginInfo.sessionToken,
            "userId": "17"
        }))
        outcome.wait()
        compare(lastRequest().body, '{"method":"user-context","data":{"sessionToken":"tok-1","userId":"17","login":null,"password":null}}')
        compare(AuthManager.currentLoginInfo.sessionToken, "ctx-1")
        compare(AuthManager.currentLoginInfo.userId, 17)
        compare(AuthManager.loginInfo.sessionToken, "tok-1")
        compare(AuthManager.loginInfo.userId, 42)
        compare(AuthManager.stringLoginInfo, stored)
    }

    function test_namesAreLookedUpAfterLogin() {
        server.setPathResponse(lookupPaths[0], 200, '{"status":0,"result":{"items":[{"id":42,"n":"Ann Operator"}]}}')
        passwordLogin(false)
        tryCompare(AuthManager.currentLoginInfo, "userName", "Ann Operator")
        compare(AuthManager.loginInfo.userName, "Ann Operator")
        var asked = JSON.parse(server.requests.filter(function (r) { return r.path === lookupPaths[0] }).pop().body)
        compare(asked.filter.ids, [42])
        compare(asked.sessionToken, "tok-1")
        compare(AuthManager.currentLoginInfo.loginName, "operator")

        // A context carries no login name: it is looked up too, and only the context gets the names.
        server.setPathResponse(lookupPaths[0], 200, '{"status":0,"result":{"items":[{"id":17,"n":"Bob"}]}}')
        server.setPathResponse(lookupPaths[1], 200, '{"status":0,"result":{"items":[{"userId":17,"data":{"login":"bob@example.com"}}]}}')
        server.enqueue(200, '{"status":0,"result":{"t":"ctx-1","r":2,"uId":17}}')
        AuthManager.login(credentials({ "method": "user-context", "sessionToken": "tok-1", "userId": "17" }))
        tryCompare(AuthManager.currentLoginInfo, "loginName", "bob@example.com")
        tryCompare(AuthManager.currentLoginInfo, "userName", "Bob")
        compare(AuthManager.loginInfo.userName, "Ann Operator")
        compare(AuthManager.loginInfo.loginName, "operator")
    }

    function test_lateNamesDoNotOutliveALogoff() {
        server.setPathResponse(lookupPaths[0], 200, '{"status":0,"result":{"items":[{"id":42,"n":"Ann Operator"}]}}', 300)
        passwordLogin(false)
        AuthManager.logoff()
        // The names are sent by the server's own timer before this sentinel; the loopback then has
        // 200 ms more, plenty even sanitized.
        TimerSentinel.waitPast(500)
        compare(AuthManager.currentLoginInfo.userName, "")
        compare(AuthManager.loginInfo.userName, "")
    }

    function test_logoffClearsEverything() {
        passwordLogin(true)
        var loggedOff = spyOn(AuthManager, "loggedOff")
        var before = sessionRequests().length
        AuthManager.logoff()
        compare(loggedOff.count, 1)
        var infos = [AuthManager.currentLoginInfo, AuthManager.loginInfo]
        for (var i = 0; i < infos.length; ++i) {
            compare(infos[i].sessionToken, "")
            compare(infos[i].status, LoginInfo.Idle)
            compare(infos[i].userId, -1)
            compare(infos[i].role, -1)
            compare(infos[i].loginName, "")
        }
        compare(AuthManager.rememberSession, false)
        compare(AuthManager.stringLoginInfo, "")
        tryVerify(function () { return sessionRequests().length === before + 1 }, 2000)
        compare(lastRequest().path, "/QuillonService.svc/logoff")
        compare(lastRequest().body, '{"sessionToken":"tok-1"}')
    }

    function test_serviceUriChangeLogsOff() {
        passwordLogin(false)
        var loggedOff = spyOn(AuthManager, "loggedOff")
        var before = sessionRequests().length
        Endpoints.serviceUri = server.url + "/Other.svc"
        compare(loggedOff.count, 1)
        compare(AuthManager.currentLoginInfo.sessionToken, "")
        compare(AuthManager.loginInfo.sessionToken, "")
        tryVerify(function () { return sessionRequests().length === before + 1 }, 2000)
        // The token goes back to the service that issued it.
        compare(lastRequest().path, "/QuillonService.svc/logoff")
        compare(lastRequest().body, '{"sessionToken":"tok-1"}')
        Endpoints.serviceUri = serviceUri
        compare(loggedOff.count, 2)
        // A second log-off would need only the services' 5 ms debounce.
        wait(50)
        compare(sessionRequests().length, before + 1)
    }

    function test_rememberOffForgetsStoredSession() {
        AuthManager.rememberSession = true
        AuthManager.stringLoginInfo = '{"sessionToken":"s","status":3}'
        AuthManager.rememberSession = false
        compare(AuthManager.stringLoginInfo, "")
    }

    function test_serializerWritesFalsyValuesAsEmptyText() {
        var info = createTemporaryObject(infoComponent, testCase, {
            "sessionToken": "abc", "role": 0, "userId": -1, "loginName": "op"
        })
        var text = LoginInfoSerializer.toString(info)
        var parsed = JSON.parse(text)
        compare(Object.keys(parsed), ["sessionToken", "status", "validFrom", "validTo", "createdAt",
                                      "unusedExpiredAt", "role", "notes", "userId", "loginName", "userName"])
        compare(parsed.status, "")
        compare(parsed.role, "")
        compare(parsed.userId, -1)
        compare(parsed.createdAt, "")

        var restored = createTemporaryObject(infoComponent, testCase, { "role": 5, "status": LoginInfo.Error })
        LoginInfoSerializer.deserialize(parsed, restored)
        compare(restored.sessionToken, "abc")
        compare(restored.role, 0)
        compare(restored.status, LoginInfo.Idle)
        compare(restored.userId, -1)
        compare(restored.loginName, "op")
        LoginInfoSerializer.deserialize(null, restored)
        compare(restored.sessionToken, "abc")
    }

    function offsetText(date) {
        var minutes = -date.getTimezoneOffset()
        var sign = minutes < 0 ? "-" : "+"
        minutes = Math.abs(minutes)
        return sign + String(Math.floor(minutes / 60)).padStart(2, "0") + ":" + String(minutes % 60).padStart(2, "0")
    }

    function test_serializerDates() {
        var created = new Date(2021, 11, 29, 10, 30, 0)
        var info = createTemporaryObject(infoComponent, testCase, { "createdAt": created, "status": LoginInfo.Authorized })
        var parsed = JSON.parse(LoginInfoSerializer.toString(info))
        compare(parsed.createdAt, "2021-12-29T10:30:00" + offsetText(created))
        compare(parsed.validTo, "")
        var restored = createTemporaryObject(infoComponent, testCase)
        LoginInfoSerializer.deserialize(parsed, restored)
        compare(restored.createdAt.getTime(), created.getTime())
        compare(isNaN(restored.validTo.getTime()), true)
    }

    function test_grantedTimesAreKept() {
        server.enqueue(200, '{"status":0,"result":{"t":"tok-t","ca":"2021-12-29T10:30:00+02:00","uea":"2021-12-30T08:30:00Z","r":1,"uId":3}}')
        var outcome = waitForOutcome()
        AuthManager.rememberSession = true
        AuthManager.login(credentials({ "login": "operator", "password": "secret" }))
        outcome.wait()
        compare(AuthManager.currentLoginInfo.createdAt.getTime(), Date.UTC(2021, 11, 29, 8, 30, 0))
        compare(AuthManager.loginInfo.unusedExpiredAt.getTime(), Date.UTC(2021, 11, 30, 8, 30, 0))
        var stored = JSON.parse(AuthManager.stringLoginInfo)
        compare(new Date(stored.createdAt).getTime(), Date.UTC(2021, 11, 29, 8, 30, 0))
    }
}
