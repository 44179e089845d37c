import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Ostrel 1.0
import App.Constants 1.0
import App.Managers 1.0
import App.Controls 1.0

// The first page: sign in with login name and password, or with the session kept by
// "Remember me".
Pane {
    id: loginView
    objectName: "loginView"

    // Shown instead of the password while the stored session is offered.
    readonly property string storedTokenMask: "________"
    readonly property bool usesStoredToken: AuthManager.rememberSession
                                            && AuthManager.loginInfo.sessionToken !== ""
    readonly property bool isSigningIn: AuthManager.currentLoginInfo.status === LoginInfo.Loading

    readonly property LoginCredentials loginCredentials: LoginCredentials {
        login: loginField.text
        password: passwordField.text
        sessionToken: AuthManager.loginInfo.sessionToken
        method: loginView.usesStoredToken ? methodSessionToken : methodLoginPass
    }
    property var navigator: null
    property string errorText: ""

    property Action signInAction: Action {
        text: Strings.signIn
        enabled: !loginView.isSigningIn
        onTriggered: AuthManager.login(loginView.loginCredentials)
    }

    function __showPasswordForMethod() {
        passwordField.text = usesStoredToken ? storedTokenMask : ""
    }

    function __focusLogin() {
        loginField.forceActiveFocus()
        loginField.selectAll()
    }

    padding: 0

    onUsesStoredTokenChanged: __showPasswordForMethod()
    Component.onCompleted: {
        __showPasswordForMethod()
        __focusLogin()
    }
    StackView.onActivated: __focusLogin()
    Keys.onEscapePressed: AuthManager.cancelLogin()

    Connections {
        target: AuthManager

        function onAuthorizationError(message) {
            loginView.errorText = message
        }
        function onAuthorized(userId) {
            loginView.errorText = ""
            loginView.navigator.replace(null, "qrc:///App/WelcomeView/WelcomeView.qml")
        }
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: 360
        spacing: 8

        Label {
            Layout.alignment: Qt.AlignHCenter
            Layout.bottomMargin: 24
            text: Strings.companyLabel
            font.pointSize: 36
        }

        TextField {
            id: loginField
            objectName: "loginField"

            Layout.fillWidth: true
            text: AuthManager.lastUserName
            placeholderText: Strings.loginPlaceHolder
            selectByMouse: true
            KeyNavigation.tab: passwordField

            onTextEdited: AuthManager.rememberSession = false
            onAccepted: {
                if (loginView.usesStoredToken) {
                    loginView.signInAction.trigger()
                } else {
                    passwordField.forceActiveFocus()
                    passwordField.selectAll()
                }
            }
        }

        TextField {
            id: passwordField
            objectName: "passwordField"

            Layout.fillWidth: true
            placeholderText: Strings.passwordPlaceHolder
            echoMode: showPasswordCheck.checked ? TextInput.Normal : TextInput.Password
            selectByMouse: true
            KeyNavigation.tab: showPasswordCheck

            onAccepted: loginView.signInAction.trigger()
        }

        RowLayout {
            Layout.fillWidth: true

            CheckBox {
                id: showPasswordCheck
                objectName: "showPasswordCheck"
                text: Strings.showPassword
                KeyNavigation.tab: rememberCheck
            }

            Item {
                Layout.fillWidth: true
            }

            CheckBox {
                id: rememberCheck
                objectName: "rememberCheck"
                text: Strings.rememberSession
                checked: AuthManager.rememberSession
                KeyNavigation.tab: signInButton

                onToggled: AuthManager.rememberSession = checked
            }
        }

        Button {
            id: signInButton
            objectName: "signInButton"

            Layout.fillWidth: true
            action: loginView.signInAction
            highlighted: true
            KeyNavigation.tab: aboutButton
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            visible: loginView.isSigningIn

            BusyIndicator {
                objectName: "signInBusyIndicator"
                running: loginView.isSigningIn
                visible: running
            }

            // A service that does not answer must not hold the operator.
            Button {
                objectName: "cancelSignInButton"
                text: Strings.cancel
                flat: true
                onClicked: AuthManager.cancelLogin()
            }
        }

        Label {
            objectName: "errorLabel"
            Layout.fillWidth: true
            text: loginView.errorText
            textFormat: Text.PlainText
            color: "red"
            visible: AuthManager.currentLoginInfo.status === LoginInfo.Error
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
    }

    Row {
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 12

        ToolButton {
            id: aboutButton
            objectName: "aboutButton"
            icon.source: "/Icons/about.svg"
            text: qsTr("About")
            display: AbstractButton.IconOnly
            flat: true
            KeyNavigation.tab: settingsButton

            onClicked: loginView.navigator.push("/App/About/Ui/AboutView.qml")
        }

        ToolButton {
            id: settingsButton
            objectName: "settingsButton"
            icon.source: "/Icons/settings.svg"
            text: Strings.settingsTitle
            display: AbstractButton.IconOnly
            flat: true
            KeyNavigation.tab: loginField

            onClicked: loginView.navigator.push("/App/Settings/Ui/SettingsView.qml")
        }
    }
}
