import QtQuick 2.15
import QtQml 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Ostrel 1.0
import App.Auth.Ui 1.0
import App.Managers 1.0
import App.Navigation 1.0
import App.Controls 1.0
import QtQuickX 1.0

// The page stack every screen is shown in, under the main tool bar that the current screen
// fills with its buttons and title.
Pane {
    id: mainView
    objectName: "mainView"

    // Every screen's tool bar has the same lines, whatever its buttons and boxes ask for.
    readonly property int toolBarLineHeight: 48
    readonly property int titleRoom: 200

    padding: 0

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ToolBar {
            id: mainToolBar
            objectName: "mainToolBar"

            Layout.fillWidth: true
            z: 1
            visible: stack.depth > 1 || toolBarLine.row.children.length > 0

            ColumnLayout {
                anchors.fill: parent
                spacing: 0

                RowLayout {
                    id: firstLine

                    Layout.fillWidth: true
                    Layout.preferredHeight: mainView.toolBarLineHeight

                    ToolButton {
                        id: backButton
                        objectName: "backButton"
                        icon.source: "/Icons/arrow-back.svg"
                        text: qsTr("Back")
                        display: AbstractButton.IconOnly
                        visible: stack.depth > 1
                        onClicked: Navigator.pop()
                    }

                    OverflowToolBarRow {
                        id: toolBarLine
                        name: "toolBar"

                        Layout.fillHeight: true
                        Layout.minimumWidth: implicitWidth
                        Layout.maximumWidth: implicitWidth
                        // The title keeps room for a few words; the buttons take the rest.
                        availableWidth: firstLine.width - (backButton.visible ? backButton.width : 0)
                            - Math.min(titleLabel.implicitWidth, mainView.titleRoom) - 2 * firstLine.spacing
                    }

                    Label {
                        id: titleLabel
                        objectName: "titleLabel"
                        Layout.fillWidth: true
                        text: Navigator.currentItemTitle
                        textFormat: Text.PlainText
                        visible: text !== ""
                        font.pixelSize: 20
                        horizontalAlignment: Text.AlignRight
                        rightPadding: 16
                        elide: Text.ElideRight
                    }
                }

                RowLayout {
                    id: secondLine
                    objectName: "secondToolBarLine"

                    Layout.fillWidth: true
                    Layout.preferredHeight: mainView.toolBarLineHeight
                    visible: AuthManager.loginInfo.sessionToken !== ""

                    OverflowToolBarRow {
                        id: secondaryToolBarLine
                        name: "secondaryToolBar"

                        Layout.fillHeight: true
                        Layout.minimumWidth: implicitWidth
                        Layout.maximumWidth: implicitWidth
                        availableWidth: secondLine.width - userSwitcher.Layout.preferredWidth - 2 * secondLine.spacing
                    }

                    Item {
                        Layout.fillWidth: true
                    }

                    Loader {
                        id: userSwitcher
                        // A third of the line, taken from the view: a size that follows the line's
                        // own layout would make that layout run again while it runs.
                        Layout.preferredWidth: mainView.width / 3
                        Layout.alignment: Qt.AlignRight | Qt.AlignVCenter
                        active: signedIn.once
                        source: "qrc:///App/Auth/Ui/QuickUserSwitcher.qml"
                    }
                }
            }
        }

        UserContextBanner {
            Layout.fillWidth: true
            onReturnRequested: {
                if (userSwitcher.item)
                    userSwitcher.item.restore()
            }
        }

        StackView {
            id: stack
            objectName: "pageStack"

            Layout.fillWidth: true
            Layout.fillHeight: true

            // A page that left is deleted when its transition ends: wait for that.
            onBusyChanged: {
                if (!busy && memoryRelease.running)
                    memoryRelease.restart()
            }
        }
    }

    // After a screen has closed, what it alone held (script objects, heap blocks of the render
    // and network threads) goes back to the system instead of staying for the rest of the run.
    Timer {
        id: memoryRelease
        interval: 1000
        onTriggered: {
            gc()
            QtX.giveBackFreeMemory()
        }
    }

    // The user switcher and the context switching (their dialogs and user lists) serve a session
    // only: made with the first one, before the name lookup it asks for, and kept. Named by URL,
    // so that neither they nor the modules they import are loaded before.
    QtObject {
        id: signedIn
        property bool once: false
    }
    Binding {
        target: signedIn
        property: "once"
        value: true
        when: AuthManager.loginInfo.sessionToken !== ""
        restoreMode: Binding.RestoreNone
    }
    Loader {
        id: contextSwitching
        active: signedIn.once
        source: "qrc:///App/Auth/Ui/UserContextSwitching.qml"

        // The switch question names users from the switcher's own list too.
        Binding {
            target: contextSwitching.item
            property: "users"
            value: userSwitcher.item ? userSwitcher.item.knownUsers : []
            when: contextSwitching.item !== null
        }
    }

    // Back from a sub-page by keyboard; a page at the root has nothing to go back to.
    Shortcut {
        objectName: "backShortcut"
        sequences: ["Esc", "Alt+Left"]
        enabled: stack.depth > 1 && !stack.busy
        onActivated: Navigator.pop()
    }

    // Only a session can expire: made with the first one.
    Loader {
        active: signedIn.once
        source: "qrc:///App/Views/SessionExpiredDialog.qml"
        onLoaded: item.parent = Overlay.overlay
    }

    Connections {
        target: Navigator

        function onPushed(item, properties, operation) {
            stack.push(item, properties || {}, operation)
        }
        // A null target replaces the whole stack, as after login and log-off; any other target
        // replaces the top page.
        function onReplaced(target, item, properties, operation) {
            memoryRelease.restart()
            if (target === null)
                stack.replace(null, item, properties || {}, operation)
            else
                stack.replace(item, properties || {}, operation)
        }
        function onPopped(item, operation) {
            memoryRelease.restart()
            if (item)
                stack.pop(item, operation)
            else
                stack.pop(operation)
        }
    }

    Component.onCompleted: {
        Navigator.empty = Qt.binding(function () { return stack.empty })
        Navigator.depth = Qt.binding(function () { return stack.depth })
        Navigator.currentItem = Qt.binding(function () { return stack.currentItem })
        Navigator.uiContext = { "toolBar": toolBarLine.row, "secondaryToolBar": secondaryToolBarLine.row }
        Navigator.replace(null, "qrc:///App/Views/LoginView.qml", {}, StackView.Immediate)
    }
}
