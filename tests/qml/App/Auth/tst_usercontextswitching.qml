import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Ostrel 1.0
import App.Auth.Ui 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Users 1.0
import KestrumTest 1.0

// Switching into another user's context: the question first, a refusal that keeps the context,
// the way back, and the log-off that ends both sessions.
TestCase {
    id: testCase
    name: "UserContextSwitching"
    when: windowShown
    visible: true
    width: 900
    height: 600

    readonly property string path: "/QuillonService.svc/"
    readonly property string ownAnswer: '{"status":0,"result":{"t":"tok-own","r":1,"uId":42}}'
    readonly property string contextAnswer: '{"status":0,"result":{"t":"tok-ctx","r":5,"uId":17}}'

    ScriptedServer { id: server }

    UserContextSwitching {
        id: switching
        users: switcher.knownUsers
    }

    QuickUserSwitcher {
        id: switcher
        width: 400
    }

    Component {
        id: credentialsComponent
        LoginCredentials {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    property var spies: []

    function spyOn(target, signalName) {
        var spy = createTemporaryObject(spyComponent, testCase, { "target": target, "signalName": signalName })
        spies.push(spy)
        return spy
    }

    function requestsTo(method) {
        return server.requests.filter(function (request) { return request.path === path + method })
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        server.setPathResponse(path + "listUsers", 200, '{"status":0,"result":{"items":['
            + '{"id":42,"n":"Ann Operator","cId":4,"r":1},{"id":30,"n":"Zoe","cId":4,"r":2},'
            + '{"id":17,"n":"Bob","cId":4,"r":5}]}}')
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
    }

    // Every test starts in the operator's own context, with the user list loaded.
    function init() {
        server.setPathResponse(path + "login", 200, ownAnswer)
        var password = createTemporaryObject(credentialsComponent, testCase, { "login": "ann@example.com", "password": "secret-1" })
        AuthManager.login(password)
        tryCompare(AuthManager.currentLoginInfo, "status", LoginInfo.Authorized, 3000)
        tryVerify(function () {
            var index = UsersDictionary.manager.listUsers.resultIndex
            return index && index[17]
        }, 3000)
        tryCompare(switcher, "userName", "Ann Operator", 3000)
        server.setPathResponse(path + "login", 200, contextAnswer)
    }

    function cleanup() {
        for (var i = 0; i < spies.length; ++i)
            spies[i].target = null
        spies = []
        switching.errorDialog.close()
        switching.confirmationDialog.close()
        AuthManager.logoff()
    }

    function switcherRequests() {
        return requestsTo("listUsers").map(function (request) { return JSON.parse(request.body) })
            .filter(function (body) { return body.filter.roles !== null })
    }

    function askSwitchTo(userId) {
        AuthManager.login(AuthManager.userContextCredentials(userId))
        tryVerify(function () { return switching.confirmationDialog.opened })
    }

    function test_cancelKeepsTheContext() {
        var logins = requestsTo("login").length
        askSwitchTo(17)
        compare(switching.confirmationDialog.title, "Confirm user switching")
        compare(switching.confirmationDialog.text, "Are you sure to switch from Ann Operator to 'Bob'?")
        var statuses = spyOn(AuthManager.currentLoginInfo, "statusChanged")
        keyClick(Qt.Key_Escape)
        tryVerify(function () { return !switching.confirmationDialog.visible })
        // Observers see the status pass through Loading and come back.
        compare(statuses.count, 2)
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Authorized)
        compare(AuthManager.currentLoginInfo.sessionToken, "tok-own")
        // A login would be invoked on the Escape itself, behind only the services' 5 ms debounce.
        wait(50)
        compare(requestsTo("login").length, logins)
    }

    function test_unknownUsersLeaveTheNamesEmpty() {
        askSwitchTo(99)
        compare(switching.confirmationDialog.text, "Are you sure to switch from Ann Operator to ''?")
        switching.confirmationDialog.reject()
    }

    // The users screen gives the application-wide list back when it closes: the switcher's own
    // list still names both users.
    function test_namesWithoutTheApplicationWideList() {
        UsersDictionary.manager.listUsers.release()
        compare(UsersDictionary.manager.listUsers.resultIndex, null)
        askSwitchTo(17)
        compare(switching.confirmationDialog.text, "Are you sure to switch from Ann Operator to 'Bob'?")
        switching.confirmationDialog.reject()
    }

    function test_confirmedSwitchAndReturn() {
        askSwitchTo(17)
        switching.confirmationDialog.accept()
        tryCompare(AuthManager.currentLoginInfo, "sessionToken", "tok-ctx", 3000)
        // Gone before the check below that no new question opens.
        tryVerify(function () { return !switching.confirmationDialog.visible }, 3000)
        compare(JSON.parse(requestsTo("login").pop().body),
                { "method": "user-context", "data": { "sessionToken": "tok-own", "userId": "17", "login": null, "password": null } })
        verify(AuthManager.inOtherUserContext)
        compare(AuthManager.loginInfo.sessionToken, "tok-own")
        compare(AuthManager.loginInfo.userId, 42)
        tryCompare(switcher, "userName", "Bob", 3000)
        tryCompare(switcher.comboBox, "currentText", "Bob", 3000)
        // The user already current is no switch.
        switcher.switchContext(switcher.users[0])
        // The dialog would open on the call itself; the wait only covers its enter transition.
        wait(50)
        verify(!switching.confirmationDialog.visible)
        // The switcher lists again in the new context.
        tryVerify(function () { return switcherRequests().pop().sessionToken === "tok-ctx" }, 3000)

        UsersDictionary.filter.archived = undefined
        var loggedOff = spyOn(AuthManager, "loggedOff")
        var logoffs = requestsTo("logoff").length
        switcher.restore()
        compare(AuthManager.currentLoginInfo.sessionToken, "tok-own")
        compare(AuthManager.currentLoginInfo.userId, 42)
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Authorized)
        verify(!AuthManager.inOtherUserContext)
        compare(loggedOff.count, 1)
        compare(UsersDictionary.filter.archived, false)
        // The context's session ends at the service; the own one stays.
        tryVerify(function () { return requestsTo("logoff").length === logoffs + 1 }, 3000)
        compare(requestsTo("logoff").pop().body, '{"sessionToken":"tok-ctx"}')
        tryCompare(switcher, "userName", "Ann Operator", 3000)
    }

    function test_refusedSwitchKeepsTheContext() {
        server.setPathResponse(path + "login", 200, '{"status":3,"result":null}')
        askSwitchTo(17)
        switching.confirmationDialog.accept()
        tryVerify(function () { return switching.errorDialog.opened }, 3000)
        compare(switching.errorDialog.entityTypeName, "User")
        compare(switching.errorDialog.reason, "Access denied!")
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Authorized)
        compare(AuthManager.currentLoginInfo.sessionToken, "tok-own")
        verify(!AuthManager.inOtherUserContext)
    }

    function test_switcherChoices() {
        // Sorted by name, without the own account, whose name is shown while it is the context.
        compare(switcher.users.map(function (user) { return user.name }), ["Bob", "Zoe"])
        tryCompare(switcher.comboBox, "editText", "Ann Operator", 3000)
        var bob = switcher.users[0]
        switcher.switchContext(bob)
        tryVerify(function () { return switching.confirmationDialog.opened })
        compare(switching.confirmationDialog.creds.userId, "17")
        compare(switching.confirmationDialog.creds.sessionToken, "tok-own")
        // The switcher lists only users of console roles that are neither archived nor disabled.
        var filter = switcherRequests().pop().filter
        compare(filter.roles, [0, 1, 2, 5])
        compare([filter.archived, filter.disabled], [false, false])
        switching.confirmationDialog.reject()
    }

    // Going from one context straight to another ends the first one's session.
    function test_contextToContext() {
        askSwitchTo(17)
        switching.confirmationDialog.accept()
        tryCompare(AuthManager.currentLoginInfo, "sessionToken", "tok-ctx", 3000)
        var logoffs = requestsTo("logoff").length
        server.setPathResponse(path + "login", 200, '{"status":0,"result":{"t":"tok-ctx-2","r":1,"uId":42}}')
        askSwitchTo(42)
        switching.confirmationDialog.accept()
        tryCompare(AuthManager.currentLoginInfo, "sessionToken", "tok-ctx-2", 3000)
        compare(JSON.parse(requestsTo("login").pop().body).data.sessionToken, "tok-own")
        tryVerify(function () { return requestsTo("logoff").length === logoffs + 1 }, 3000)
        compare(requestsTo("logoff").pop().body, '{"sessionToken":"tok-ctx"}')
    }

    function test_logoffInAContextEndsBothSessions() {
        askSwitchTo(17)
        switching.confirmationDialog.accept()
        tryCompare(AuthManager.currentLoginInfo, "sessionToken", "tok-ctx", 3000)
        var logoffs = requestsTo("logoff").length
        AuthManager.logoff()
        tryVerify(function () { return requestsTo("logoff").length === logoffs + 2 }, 3000)
        compare(requestsTo("logoff").slice(-2).map(function (request) { return request.body }).sort(),
                ['{"sessionToken":"tok-ctx"}', '{"sessionToken":"tok-own"}'])
        verify(!AuthManager.inOtherUserContext)
        compare(AuthManager.loginInfo.sessionToken, "")
    }
}
