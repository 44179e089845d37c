import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import App.Navigation 1.0
import App.Views 1.0

// The main window starts within the screen's free area and cannot be made smaller than the
// welcome view needs: at the minimum size every objective is fully inside.
TestCase {
    id: testCase
    name: "WindowSize"
    when: windowShown
    visible: true
    width: 1366
    height: 768

    Item {
        id: frame
        MainView {
            id: mainView
            anchors.fill: parent
        }
    }

    function test_firstSizeFitsTheScreenAndHasAMinimum() {
        var component = Qt.createComponent("qrc:///App/Windows/MainWindow.qml")
        compare(component.status, Component.Ready, component.errorString())
        var window = component.createObject(null, { "visible": false })
        verify(window)
        verify(window.minimumWidth >= 800 && window.minimumHeight >= 560)
        verify(window.width >= window.minimumWidth)
        verify(window.width <= Math.max(window.minimumWidth, Screen.desktopAvailableWidth))
        verify(window.height <= Math.max(window.minimumHeight, Screen.desktopAvailableHeight))
        frame.width = window.minimumWidth
        frame.height = window.minimumHeight
        window.destroy()

        Navigator.replace(null, "qrc:///App/WelcomeView/WelcomeView.qml", {}, StackView.Immediate)
        var view = Navigator.currentItem
        waitForRendering(view)
        var names = ["locations", "users", "licenses", "ifps", "tasks", "structure", "createAdminFlash",
                     "deviceUsage", "softwareUsage"]
        for (var i = 0; i < names.length; ++i) {
            var button = findChild(view, "objective_" + names[i])
            var box = button.mapToItem(frame, 0, 0, button.width, button.height)
            verify(box.x >= 0 && box.y >= 0 && box.x + box.width <= frame.width + 0.5
                   && box.y + box.height <= frame.height + 0.5,
                   names[i] + " at " + JSON.stringify(box) + " in " + frame.width + "x" + frame.height)
        }
        var logOff = findChild(view, "logOffButton")
        var corner = logOff.mapToItem(frame, 0, 0, logOff.width, logOff.height)
        verify(corner.x + corner.width <= frame.width + 0.5)
    }
}
