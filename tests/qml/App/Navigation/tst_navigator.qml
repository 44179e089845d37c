import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import App.Managers 1.0
import App.Navigation 1.0
import App.Views 1.0

// The main view's stack driven through the navigator: tool buttons of the current screen only,
// back button, title and the second tool bar line.
TestCase {
    id: testCase
    name: "Navigator"
    when: windowShown
    // Holds the views under test, so it must be shown itself.
    visible: true
    width: 1000
    height: 700

    MainView {
        id: mainView
        anchors.fill: parent
    }

    Component {
        id: screenWithButtons
        Pane {
            property var navigator: null
            property string title: "Screen A"
            ToolButton {
                objectName: "screenButton"
                text: "A"
                parent: navigator && navigator.uiContext.toolBar
            }
            ToolButton {
                objectName: "secondaryScreenButton"
                text: "A2"
                parent: navigator && navigator.uiContext.secondaryToolBar
            }
        }
    }

    Component {
        id: screenWithoutTitle
        Pane {
            property var navigator: null
        }
    }

    function toolBarRow() { return Navigator.uiContext.toolBar }
    function mainToolBar() { return findChild(mainView, "mainToolBar") }

    function namesIn(row) {
        var names = []
        for (var i = 0; i < row.children.length; ++i)
            names.push(row.children[i].objectName)
        return names
    }

    // Input is blocked while the stack runs a transition.
    function settle() {
        tryCompare(findChild(mainView, "pageStack"), "busy", false, 2000)
    }

    function init() {
        settle()
        AuthManager.loginInfo.sessionToken = ""
        while (Navigator.depth > 1)
            Navigator.pop(undefined, StackView.Immediate)
        compare(Navigator.currentItem.objectName, "loginView")
    }

    function test_startsWithTheLoginViewAlone() {
        compare(Navigator.depth, 1)
        compare(Navigator.empty, false)
        compare(Navigator.currentItem.navigator, Navigator)
        verify(!findChild(mainView, "backButton").visible)
        // The first page puts no buttons up, so the whole tool bar stays hidden.
        verify(!mainToolBar().visible)
        compare(Navigator.currentItemTitle, "")
    }

    function test_buttonsFollowTheCurrentScreen() {
        Navigator.push(screenWithButtons, {}, StackView.Immediate)
        var first = Navigator.currentItem
        compare(first.navigator, Navigator)
        compare(namesIn(Navigator.uiContext.toolBar), ["screenButton"])
        compare(namesIn(Navigator.uiContext.secondaryToolBar), ["secondaryScreenButton"])
        verify(mainToolBar().visible)
        verify(findChild(mainView, "backButton").visible)
        compare(Navigator.currentItemTitle, "Screen A")
        compare(findChild(mainView, "titleLabel").text, "Screen A")

        Navigator.push(screenWithoutTitle, {}, StackView.Immediate)
        compare(first.navigator, null)
        compare(namesIn(Navigator.uiContext.toolBar), [])
        compare(namesIn(Navigator.uiContext.secondaryToolBar), [])
        compare(Navigator.currentItemTitle, "")
        verify(!findChild(mainView, "titleLabel").visible)

        Navigator.pop(undefined, StackView.Immediate)
        compare(Navigator.currentItem, first)
        compare(first.navigator, Navigator)
        compare(namesIn(Navigator.uiContext.toolBar), ["screenButton"])
    }

    function test_announcesBeforePerforming() {
        var order = []
        function record(name) { return function () { order.push(name + ":" + Navigator.depth) } }
        var handlers = { "pushing": record("pushing"), "pushed": record("pushed"),
                         "popping": record("popping"), "popped": record("popped") }
        for (var signalName in handlers)
            Navigator[signalName].connect(handlers[signalName])
        Navigator.push(screenWithoutTitle, { "objectName": "withProperties" }, StackView.Immediate)
        compare(Navigator.currentItem.objectName, "withProperties")
        Navigator.pop(undefined, StackView.Immediate)
        for (signalName in handlers)
            Navigator[signalName].disconnect(handlers[signalName])
        // The stack has changed when the performing signal returns to later listeners.
        compare(order, ["pushing:1", "pushed:2", "popping:2", "popped:1"])
        compare(Navigator.depth, 1)
    }

    function test_backButtonPops() {
        Navigator.push(screenWithoutTitle, {}, StackView.Immediate)
        compare(Navigator.depth, 2)
        var back = findChild(mainView, "backButton")
        verify(back.visible)
        mouseClick(back)
        tryCompare(Navigator, "depth", 1)
        compare(Navigator.currentItem.objectName, "loginView")
    }

    function test_replaceWithoutTargetReplacesTheTopPage() {
        Navigator.push(screenWithoutTitle, {}, StackView.Immediate)
        Navigator.replace(undefined, screenWithButtons, {}, StackView.Immediate)
        compare(Navigator.depth, 2)
        compare(Navigator.currentItemTitle, "Screen A")
        compare(namesIn(Navigator.uiContext.toolBar), ["screenButton"])
    }

    function test_replaceWithNullTargetLeavesOnePage() {
        Navigator.push(screenWithoutTitle, {}, StackView.Immediate)
        Navigator.push(screenWithoutTitle, {}, StackView.Immediate)
        Navigator.replace(null, "qrc:///App/Views/LoginView.qml", {}, StackView.Immediate)
        compare(Navigator.depth, 1)
        compare(Navigator.currentItem.objectName, "loginView")
        compare(Navigator.currentItem.navigator, Navigator)
    }

    function test_secondLineOnlyWhileLoggedIn() {
        Navigator.push(screenWithButtons, {}, StackView.Immediate)
        var secondLine = findChild(mainView, "secondToolBarLine")
        verify(!secondLine.visible)
        AuthManager.loginInfo.sessionToken = "token"
        verify(secondLine.visible)
        AuthManager.loginInfo.sessionToken = ""
        verify(!secondLine.visible)
    }
}
