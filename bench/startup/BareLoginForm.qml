import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15

// The fair peer of the console's login view: a bare Material window showing the same controls in
// the same layout, with none of the console's modules, managers, fonts or screens.
ApplicationWindow {
    visible: true
    width: 1366
    height: 768
    title: "Login form"

    Pane {
        objectName: "loginView"
        anchors.fill: parent
        padding: 0

        ColumnLayout {
            anchors.centerIn: parent
            width: 360
            spacing: 8

            Label {
                Layout.alignment: Qt.AlignHCenter
                Layout.bottomMargin: 24
                text: "Company"
                font.pointSize: 36
            }

            TextField {
                id: loginField
                Layout.fillWidth: true
                placeholderText: "Login"
                selectByMouse: true
                Component.onCompleted: forceActiveFocus()
            }

            TextField {
                Layout.fillWidth: true
                placeholderText: "Password"
                echoMode: showPasswordCheck.checked ? TextInput.Normal : TextInput.Password
                selectByMouse: true
            }

            RowLayout {
                Layout.fillWidth: true

                CheckBox {
                    id: showPasswordCheck
                    text: "Show password"
                }

                Item {
                    Layout.fillWidth: true
                }

                CheckBox {
                    text: "Remember me"
                }
            }

            Button {
                Layout.fillWidth: true
                text: "Sign in"
                highlighted: true
            }

            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                visible: false

                BusyIndicator {
                    running: false
                    visible: running
                }

                Button {
                    text: "Cancel"
                    flat: true
                }
            }

            Label {
                Layout.fillWidth: true
                textFormat: Text.PlainText
                color: "red"
                visible: false
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
            }
        }

        Row {
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 12

            ToolButton {
                icon.source: "/Icons/about.svg"
                text: "About"
                display: AbstractButton.IconOnly
                flat: true
            }

            ToolButton {
                icon.source: "/Icons/settings.svg"
                text: "Settings"
                display: AbstractButton.IconOnly
                flat: true
            }
        }
    }
}
