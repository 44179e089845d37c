import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15
import App.Controls 1.0 as Controls

ApplicationWindow {
    id: appWindow

    property bool mockups: false
    readonly property string titleBase: NON_PRODUCTION_BUILD
        ? qsTr("Kestrum console [non-production build] v. %1").arg(BUILD_VERSION)
        : qsTr("Kestrum console v.%1").arg(BUILD_VERSION_SHORT)

    signal readyToShow()
    signal beginLaunch(int errorCode, string errorMessage)
    signal allGuiInitialized()

    function runMainView() {
        mainViewLoader.source = "qrc:///App/Views/MainView.qml"
    }

    visible: true
    // The first size fits the screen's free area (a scaled desktop has fewer logical pixels);
    // below the minimum the welcome view's three columns would be cut off.
    width: Math.max(minimumWidth, Math.min(1366, Screen.desktopAvailableWidth))
    height: Math.max(minimumHeight, Math.min(768, Screen.desktopAvailableHeight - 40))
    minimumWidth: 960
    minimumHeight: 600
    title: qsTr("%1 %2").arg(titleBase).arg(mockups ? "[OFFLINE MODE]" : "")
    Material.accent: Material.LightBlue

    onBeginLaunch: {
        console.log("MainWindow::onBeginLaunch::errorCode:", errorCode)
        console.log("MainWindow::onBeginLaunch::errorMessage:", errorMessage)
        if (errorCode === undefined || errorCode === 0) {
            launcherLoader.active = true
            return
        }
        if (splashScreenLoader.item)
            splashScreenLoader.item.end()
    }

    Loader {
        id: launcherLoader
        objectName: "launcherLoader"
        asynchronous: true
        visible: false
        active: false
        source: "qrc:///App/QmlAppLauncher.qml"
    }

    Loader {
        id: mainViewLoader
        objectName: "mainViewLoader"
        anchors.fill: parent
        visible: false

        onStatusChanged: {
            if (status !== Loader.Ready)
                return
            visible = true
            if (splashScreenLoader.item)
                splashScreenLoader.item.end()
            appWindow.allGuiInitialized()
        }
    }

    // Every screen's confirmation of a write, over whatever screen is current.
    Controls.FeedbackToast {}

    Loader {
        id: splashScreenLoader
        objectName: "splashScreenLoader"
        anchors.fill: parent
        active: true

        sourceComponent: Rectangle {
            id: splash

            property bool __ended: false

            function end() {
                if (__ended)
                    return
                __ended = true
                if (!fadeOut.running)
                    fadeOut.start()
            }

            color: Material.background

            Column {
                anchors.centerIn: parent
                spacing: 12

                Label {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "Kestrum console"
                    font.pointSize: 48
                }
                Label {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "Brannock USA, Inc."
                    font.pointSize: 36
                }
                BusyIndicator {
                    id: loadingIndicator
                    anchors.horizontalCenter: parent.horizontalCenter
                    // Turns only when loading is slow: on a software renderer its frames take
                    // the time a quick start needs.
                    running: false

                    Timer {
                        interval: 500
                        running: true
                        onTriggered: loadingIndicator.running = true
                    }
                }
                Label {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("Loading...")
                }
            }

            SequentialAnimation {
                id: fadeOut
                OpacityAnimator {
                    target: splash
                    from: 1
                    to: 0
                    duration: 200
                }
                ScriptAction {
                    script: splashScreenLoader.active = false
                }
            }
        }
    }
}
