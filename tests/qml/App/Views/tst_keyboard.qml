import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Ostrel 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Navigation 1.0
import App.Views 1.0
import KestrumTest 1.0

// The console by keyboard: Enter presses the focused button, Escape and Alt+Left go back from a
// sub-page, and the keyboard focus is plain to see.
TestCase {
    id: testCase
    name: "Keyboard"
    when: windowShown
    visible: true
    width: 1366
    height: 768

    ScriptedServer { id: server }

    MainView {
        id: mainView
        anchors.fill: parent
    }

    property var view: null

    function item(name) {
        return findChild(view, name)
    }

    function settle() {
        tryCompare(findChild(mainView, "pageStack"), "busy", false, 2000)
    }

    function initTestCase() {
        verify(server.start())
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
    }

    function init() {
        settle()
        server.setDefaultResponse(200, '{"status":3}')
        AuthManager.rememberSession = false
        AuthManager.currentLoginInfo.logoff()
        Navigator.replace(null, "qrc:///App/Views/LoginView.qml", {}, StackView.Immediate)
        view = Navigator.currentItem
        tryVerify(function () { return item("loginField").activeFocus })
    }

    function tabTo(name) {
        for (var i = 0; i < 10 && !item(name).activeFocus; ++i)
            keyClick(Qt.Key_Tab)
        verify(item(name).activeFocus, name)
    }

    function test_enterPressesTheFocusedButton_data() {
        return [{ tag: "Return", key: Qt.Key_Return }, { tag: "Enter", key: Qt.Key_Enter }]
    }

    function test_enterPressesTheFocusedButton(data) {
        item("passwordField").text = "secret-pass"
        tabTo("signInButton")
        var before = server.requestCount
        keyClick(data.key)
        tryCompare(server, "requestCount", before + 1, 3000)
        compare(server.requests[before].path, "/QuillonService.svc/login")
        tryVerify(function () { return AuthManager.currentLoginInfo.status === LoginInfo.Error }, 3000)

        tabTo("aboutButton")
        keyClick(data.key)
        settle()
        compare(Navigator.currentItem.objectName, "aboutView")
    }

    function test_backFromASubPage_data() {
        return [
            { tag: "Escape", key: Qt.Key_Escape, modifiers: Qt.NoModifier },
            { tag: "Alt+Left", key: Qt.Key_Left, modifiers: Qt.AltModifier }
        ]
    }

    function test_backFromASubPage(data) {
        Navigator.push("qrc:///App/About/Ui/AboutView.qml")
        settle()
        compare(Navigator.depth, 2)
        keyClick(data.key, data.modifiers)
        settle()
        compare(Navigator.depth, 1)
        // At the root there is nothing to go back to.
        keyClick(data.key, data.modifiers)
        settle()
        compare(Navigator.depth, 1)
        compare(Navigator.currentItem.objectName, "loginView")
    }

    function test_focusIsVisible() {
        var login = item("loginField")
        var underline = findChild(login, "underline")
        var focusedHeight = underline.height
        tabTo("signInButton")
        verify(underline.height < focusedHeight, "the underline thins when the focus leaves")
        var frame = findChild(item("signInButton"), "focusFrame")
        verify(frame && frame.visible)
        keyClick(Qt.Key_Tab)
        verify(!frame.visible)
        verify(findChild(item("aboutButton"), "focusFrame").visible)
    }
}
