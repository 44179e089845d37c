import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Ostrel 1.0
import App.Managers 1.0
import App.Navigation 1.0
import App.Views 1.0

// The welcome view's objectives, names and log-off inside the real main view.
TestCase {
    id: testCase
    name: "WelcomeView"
    when: windowShown
    // Holds the views under test, so it must be shown itself.
    visible: true
    width: 1366
    height: 768

    MainView {
        id: mainView
        anchors.fill: parent
    }

    SignalSpy {
        id: loggedOffSpy
        target: AuthManager
        signalName: "loggedOff"
    }

    property var view: null

    function objective(name) {
        return findChild(view, "objective_" + name)
    }

    // Input is blocked while the stack runs a transition.
    function settle() {
        tryCompare(findChild(mainView, "pageStack"), "busy", false, 2000)
    }

    function init() {
        settle()
        AuthManager.currentLoginInfo.logoff()
        Navigator.replace(null, "qrc:///App/WelcomeView/WelcomeView.qml", {}, StackView.Immediate)
        view = Navigator.currentItem
        compare(view.objectName, "welcomeView")
        compare(Navigator.depth, 1)
        loggedOffSpy.clear()
    }

    function test_disabledObjectivesCannotBeTriggered_data() {
        return [{ tag: "licenses", role: -1, reason: "Licenses are not managed from the console yet." },
                { tag: "deviceUsage", role: -1, reason: "Not available yet: the service does not report usage figures." },
                { tag: "softwareUsage", role: -1, reason: "Not available yet: the service does not report usage figures." },
                { tag: "createAdminFlash", role: Role.Technician, reason: "Not available to the role Technician." }]
    }

    // Each says why on hover, though a disabled button takes no hover itself.
    function test_disabledObjectivesCannotBeTriggered(data) {
        AuthManager.currentLoginInfo.role = data.role
        var button = objective(data.tag)
        verify(button)
        verify(button.visible)
        verify(!button.enabled)
        var holder = findChild(view, "objectiveHolder_" + data.tag)
        compare(holder.reason, data.reason)
        mouseMove(holder, holder.width / 2, holder.height / 2)
        tryVerify(function () { return holder.toolTip.visible }, 3000)
        compare(holder.toolTip.text, data.reason)
        mouseClick(button)
        button.forceActiveFocus()
        keyClick(Qt.Key_Space)
        keyClick(Qt.Key_Return)
        // Even a direct request is refused.
        for (var c = 0; c < view.objectiveColumns.length; ++c) {
            var objectives = view.objectiveColumns[c].objectives
            for (var i = 0; i < objectives.length; ++i) {
                if (objectives[i].name === data.tag)
                    view.openObjective(objectives[i])
            }
        }
        // Navigation pushes on the call itself; the wait only covers a transition.
        wait(50)
        compare(Navigator.depth, 1)
        compare(Navigator.currentItem, view)
    }

    function test_enabledObjectivesOpenTheirScreen_data() {
        return [{ tag: "locations", screen: "manageCustomersView" }, { tag: "users", screen: "manageUsersView" },
                { tag: "ifps", screen: "manageDevicesView" }, { tag: "tasks", screen: "manageTasksView" },
                { tag: "structure", screen: "manageTagsView" }, { tag: "createAdminFlash", screen: "usbTokenCreatorView" }]
    }

    function test_enabledObjectivesOpenTheirScreen(data) {
        var button = objective(data.tag)
        verify(button.enabled)
        mouseClick(button)
        tryCompare(Navigator, "depth", 2)
        compare(Navigator.currentItem.objectName, data.screen)
        compare(view.navigator, null)
    }

    function test_keyboardStartsAtTheFirstObjective() {
        Navigator.replace(null, "qrc:///App/WelcomeView/WelcomeView.qml")
        settle()
        view = Navigator.currentItem
        tryVerify(function () { return objective("locations").activeFocus })
        keyClick(Qt.Key_Tab)
        verify(objective("users").activeFocus)
        keyClick(Qt.Key_Space)
        tryCompare(Navigator, "depth", 2)
    }

    function test_screenThatCannotLoadIsAnError() {
        // The reason goes to the log too.
        ignoreWarning(/WelcomeView::openObjective:.*MissingView\.qml/)
        view.openObjective({ "enabled": true, "text": "Somewhere", "screen": "/App/Nowhere/Ui/MissingView.qml" })
        compare(Navigator.depth, 1)
        var dialog = findChild(view, "screenErrorDialog")
        tryVerify(function () { return dialog.opened })
        var message = findChild(dialog.contentItem, "messageLabel").text
        verify(message.indexOf("Somewhere could not be opened: ") === 0, message)
        verify(message.indexOf("No such file") > 0, message)
        dialog.close()
        tryVerify(function () { return !dialog.visible })
        view.openObjective({ "enabled": true, "text": "About", "screen": "/App/About/Ui/AboutView.qml" })
        compare(Navigator.depth, 2)
        compare(Navigator.currentItem.objectName, "aboutView")
    }

    function test_namesOfTheLogin() {
        compare(findChild(view, "userNameLabel").text, "N/A")
        compare(findChild(view, "loginNameLabel").text, "N/A")
        AuthManager.currentLoginInfo.userName = "Ada Operator"
        AuthManager.currentLoginInfo.loginName = "ada@example.com"
        compare(findChild(view, "userNameLabel").text, "Ada Operator")
        compare(findChild(view, "loginNameLabel").text, "ada@example.com")
    }

    function test_logOffActsOnPressAndShowsTheLoginView() {
        AuthManager.currentLoginInfo.loginName = "ada@example.com"
        var button = findChild(view, "logOffButton")
        mousePress(button)
        compare(loggedOffSpy.count, 1)
        compare(AuthManager.currentLoginInfo.loginName, "")
        compare(Navigator.depth, 1)
        tryVerify(function () { return Navigator.currentItem.objectName === "loginView" })
        mouseRelease(mainView)
    }
}
