import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Ostrel 1.0
import App.Managers 1.0
import App.Navigation 1.0
import App.Views 1.0
import KestrumTest 1.0

// Names the service sent, shown on the welcome view: markup stays text (no colours, no remote
// image), and a name of megabytes is laid out as one short elided line.
TestCase {
    id: testCase
    name: "WelcomeServiceText"
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

    function label(name) {
        return findChild(view, name)
    }

    function initTestCase() {
        verify(server.start())
    }

    function init() {
        tryCompare(findChild(mainView, "pageStack"), "busy", false, 2000)
        AuthManager.currentLoginInfo.logoff()
        Navigator.replace(null, "qrc:///App/WelcomeView/WelcomeView.qml", {}, StackView.Immediate)
        view = Navigator.currentItem
    }

    function cleanup() {
        AuthManager.currentLoginInfo.logoff()
    }

    function test_markupIsShownAsText() {
        var before = server.requestCount
        var markup = '<font color="red">Password expired - call +1 555 0100</font>'
                + '<img src="' + server.url + '/tracker.png">'
        AuthManager.currentLoginInfo.userName = markup
        AuthManager.currentLoginInfo.loginName = "<b>op</b>@example.com"
        var name = label("userNameLabel")
        waitForRendering(view)
        // Rendered above; an image would be fetched right after, and 300 ms is ample for the loopback.
        wait(300)
        compare(name.textFormat, Text.PlainText)
        compare(name.text, markup)
        compare(label("loginNameLabel").textFormat, Text.PlainText)
        compare(server.requestCount, before)
    }

    function test_hugeNameIsOneShortLine() {
        var chunk = "Wolfeschlegelsteinhausenbergerdorff "
        var name = chunk
        while (name.length < 4 * 1024 * 1024)
            name += name
        AuthManager.currentLoginInfo.userName = name
        var shown = label("userNameLabel")
        waitForRendering(view)
        verify(shown.text.length <= 201, "shown " + shown.text.length + " characters")
        compare(shown.text.indexOf(chunk), 0)
        compare(shown.lineCount, 1)
        verify(shown.width <= view.width / 3 + 1, "width " + shown.width)
        verify(shown.truncated)
    }
}
