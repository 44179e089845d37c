import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Ostrel 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Navigation 1.0
import App.Views 1.0
import KestrumTest 1.0

// The login view in the real main view against a scripted service: keyboard, stored-token
// sign-in, "Remember me", errors and the busy indicator.
TestCase {
    id: testCase
    name: "LoginView"
    when: windowShown
    // Holds the views under test, so it must be shown itself.
    visible: true
    width: 1366
    height: 768

    readonly property string grantedAnswer: '{"status":0,"result":{"t":"tok-1","r":1,"uId":42}}'

    ScriptedServer { id: server }

    MainView {
        id: mainView
        anchors.fill: parent
    }

    property var view: null

    function item(name) {
        return findChild(view, name)
    }

    // The name lookups, the user switcher's lists and the question whether the service keeps an
    // audit trail run in the background after a sign-in; the
    // checks here are about the rest.
    readonly property var lookupPaths: ["/QuillonService.svc/listUsers", "/QuillonService.svc/listLogins",
        "/QuillonService.svc/listRolesAllowedToCreate", "/QuillonService.svc/listCustomers",
        "/QuillonService.svc/listAuditRecords"]

    function lastRequest() {
        var requests = server.requestsExcept(lookupPaths)
        return requests[requests.length - 1]
    }

    function initTestCase() {
        verify(server.start())
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
    }

    function typeText(text) {
        for (var i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    // Input is blocked while the stack runs a transition.
    function settle() {
        tryCompare(findChild(mainView, "pageStack"), "busy", false, 2000)
    }

    function init() {
        settle()
        server.setDefaultResponse(200, '{"status":0}')
        for (var i = 0; i < lookupPaths.length; ++i)
            server.setPathResponse(lookupPaths[i], 200, '{"status":0,"result":{"items":[]}}')
        AuthManager.rememberSession = false
        AuthManager.loginInfo.logoff()
        AuthManager.currentLoginInfo.logoff()
        AuthManager.lastUserName = "operator@example.com"
        Navigator.replace(null, "qrc:///App/Views/LoginView.qml", {}, StackView.Immediate)
        view = Navigator.currentItem
        compare(view.objectName, "loginView")
        tryVerify(function () { return item("loginField").activeFocus })
    }

    function waitForCurrent(objectName) {
        tryVerify(function () { return Navigator.currentItem && Navigator.currentItem.objectName === objectName }, 3000)
    }

    function storeToken(token) {
        AuthManager.loginInfo.sessionToken = token
        AuthManager.loginInfo.status = LoginInfo.Authorized
        AuthManager.rememberSession = true
    }

    function test_opensWithTheLoginSelected() {
        var login = item("loginField")
        compare(login.text, "operator@example.com")
        compare(login.selectedText, "operator@example.com")
        compare(item("passwordField").text, "")
        compare(item("passwordField").echoMode, TextInput.Password)
        verify(!item("errorLabel").visible)
        verify(!item("signInBusyIndicator").running)
    }

    function test_tabOrder() {
        var order = ["loginField", "passwordField", "showPasswordCheck", "rememberCheck", "signInButton",
                     "aboutButton", "settingsButton", "loginField"]
        for (var i = 1; i < order.length; ++i) {
            keyClick(Qt.Key_Tab)
            verify(item(order[i]).activeFocus, "Tab to " + order[i])
        }
    }

    function test_showPassword() {
        mouseClick(item("showPasswordCheck"))
        compare(item("passwordField").echoMode, TextInput.Normal)
    }

    function test_enterMovesToThePasswordThenSignsIn() {
        server.enqueue(200, grantedAnswer, 300)
        keyClick(Qt.Key_Return)
        var password = item("passwordField")
        verify(password.activeFocus)
        typeText("secret-pass")
        keyClick(Qt.Key_Return)
        tryVerify(function () { return item("signInBusyIndicator").running })
        // A slow service must not lock the operator out of About and Settings.
        verify(item("aboutButton").enabled)
        waitForCurrent("welcomeView")
        compare(lastRequest().path, "/QuillonService.svc/login")
        compare(JSON.parse(lastRequest().body).data.login, "operator@example.com")
        compare(JSON.parse(lastRequest().body).data.password, "secret-pass")
        compare(Navigator.depth, 1)
    }

    function test_storedTokenSignsInFromTheLoginField() {
        storeToken("stored-1")
        compare(item("passwordField").text, "________")
        compare(view.loginCredentials.method, "sessionToken")
        server.enqueue(200, '{"status":0,"result":{"r":1,"uId":42}}')
        item("loginField").forceActiveFocus()
        keyClick(Qt.Key_Return)
        waitForCurrent("welcomeView")
        compare(lastRequest().path, "/QuillonService.svc/getSessionInfo")
        compare(lastRequest().body, '{"sessionToken":"stored-1"}')
        compare(AuthManager.currentLoginInfo.sessionToken, "stored-1")
    }

    function test_editingTheLoginFallsBackToPassword() {
        storeToken("stored-1")
        compare(item("passwordField").text, "________")
        verify(item("rememberCheck").checked)
        item("loginField").forceActiveFocus()
        keyClick(Qt.Key_End)
        typeText("x")
        compare(AuthManager.rememberSession, false)
        verify(!item("rememberCheck").checked)
        compare(item("passwordField").text, "")
        compare(view.loginCredentials.method, "login-password")
        compare(view.loginCredentials.login, "operator@example.comx")
        // Enter now asks for the password instead of signing in.
        keyClick(Qt.Key_Return)
        verify(item("passwordField").activeFocus)
        compare(server.requestsExcept(lookupPaths).length, 0)
    }

    function test_rememberMeCheckWritesTheManager() {
        mouseClick(item("rememberCheck"))
        compare(AuthManager.rememberSession, true)
        AuthManager.rememberSession = false
        verify(!item("rememberCheck").checked)
        AuthManager.rememberSession = true
        verify(item("rememberCheck").checked)
    }

    function test_failureShowsTheErrorInRed_data() {
        return [
            { tag: "refused", status: 200, body: '{"status":3}', drop: false, text: "Access denied!" },
            { tag: "not JSON", status: 200, body: 'oops', drop: false,
              text: "The service sent an answer that cannot be read." },
            { tag: "connection dropped", status: 200, body: '', drop: true,
              text: "Cannot reach the service at " + server.url + ": the connection was closed before an answer" },
            { tag: "server error", status: 500, body: 'down', drop: false,
              text: "The service at " + server.url + " answered HTTP 500" }
        ]
    }

    function test_failureShowsTheErrorInRed(data) {
        server.enqueue(data.status, data.body, 100, data.drop)
        // The network layer sends a request again once when the connection drops.
        if (data.drop)
            server.setDefaultResponse(data.status, data.body, 0, true)
        item("passwordField").text = "wrong-pass"
        mouseClick(item("signInButton"))
        var error = item("errorLabel")
        tryVerify(function () { return error.visible }, 3000)
        compare(error.text, data.text)
        compare(String(error.color), "#ff0000")
        verify(!item("signInBusyIndicator").running)
        compare(Navigator.currentItem, view)
        // Shown only while the status is Error.
        AuthManager.currentLoginInfo.status = LoginInfo.Idle
        verify(!error.visible)
    }

    function test_aboutAndSettingsOpenOnTop_data() {
        return [{ tag: "aboutButton", page: "aboutView" }, { tag: "settingsButton", page: "settingsView" }]
    }

    function test_aboutAndSettingsOpenOnTop(data) {
        mouseClick(item(data.tag))
        compare(Navigator.depth, 2)
        compare(Navigator.currentItem.objectName, data.page)
        compare(view.navigator, null)
        verify(Navigator.currentItemTitle !== "")
        if (data.page === "aboutView") {
            // The full version, unlike the window title's short one.
            verify(BUILD_VERSION !== BUILD_VERSION_SHORT)
            compare(findChild(Navigator.currentItem, "versionLabel").text, "Kestrum console v." + BUILD_VERSION)
            compare(Navigator.currentItemTitle, "About Kestrum console")
        }
        Navigator.pop(undefined, StackView.Immediate)
        compare(view.navigator, Navigator)
    }
}
