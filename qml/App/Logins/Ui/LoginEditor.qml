import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import App.Logins 1.0
import EntitiesUi 1.0

// The login name and password of a user; the dialog's OK stays disabled until the login is an
// e-mail address and the password is long enough and confirmed.
EditEntityUi {
    id: editor
    objectName: "loginEditor"

    property LoginManager manager: null
    property var user: null
    property Login entity: null
    readonly property bool isNewEntity: !!entity && entity.idd === ""
    // The user signs in already: what is stored here replaces his password.
    readonly property bool userHasLogin: !!user && ((!!user.logins && user.logins.length > 0)
                                                    || (!!manager && d.listedLogins > 0))
    readonly property bool passwordsDiffer: confirmField.text !== ""
                                            && confirmField.text.localeCompare(passwordField.text) !== 0

    readonly property int minimumPasswordLength: 8
    // A local part of dot-separated runs (or a quoted string), "@", dot-terminated runs, and a
    // last run of at least two characters.
    readonly property var emailPattern: /^(([^<>()\[\]\.,;:\s@"]+(\.[^<>()\[\]\.,;:\s@"]+)*)|(".+"))@(([^<>()\[\]\.,;:\s@"]+\.)+[^<>()\[\]\.,;:\s@"]{2,})$/i

    readonly property alias loginField: loginField
    readonly property alias passwordField: passwordField
    readonly property alias confirmField: confirmField
    property bool __loginTyped: false

    // A login name the operator typed before (a refused one, for mending): it stays when the
    // user's stored logins arrive.
    function keepTypedLogin(name) {
        loginField.text = name
        __loginTyped = true
    }

    isAcceptable: loginField.isAcceptable && passwordField.isAcceptable && confirmField.isAcceptable

    onOpening: {
        __loginTyped = false
        loginField.forceActiveFocus()
        if (user && manager) {
            manager.listLogins.userId = user.idd
            manager.listLogins.invoke()
        }
    }

    onAccept: {
        if (!entity)
            return
        entity.method = "login-password"
        entity.userId = user ? user.idd : 0
        entity.data = { "login": loginField.text, "password": passwordField.text }
    }

    onResetRequested: {
        d.listedLogins = 0
        user = null
        loginField.text = ""
        passwordField.text = ""
        confirmField.text = ""
    }

    Connections {
        target: editor.manager ? editor.manager.listLogins : null

        function onInvokedOk() {
            var logins = editor.manager.listLogins.result
            d.listedLogins = logins && editor.user && editor.manager.listLogins.userId === editor.user.idd
                             ? logins.length : 0
            // A late answer does not replace what the operator has typed meanwhile.
            if (editor.__loginTyped)
                return
            var last = logins && logins.length ? logins[logins.length - 1] : null
            if (last && last.data && last.data.login)
                loginField.text = last.data.login
        }
    }

    QtObject {
        id: d
        // How many logins the service listed for the user.
        property int listedLogins: 0
    }

    GridLayout {
        anchors.fill: parent
        columns: 2
        columnSpacing: 12

        Label {
            text: Strings.userName
        }
        Label {
            objectName: "userNameLabel"
            Layout.fillWidth: true
            text: editor.user && editor.user.name ? editor.user.name : Strings.notAvailable
            textFormat: Text.PlainText
            elide: Text.ElideRight
        }

        QQC2.MenuSeparator {
            Layout.columnSpan: 2
            Layout.fillWidth: true
        }

        Label {
            text: Strings.loginName
        }
        RowLayout {
            Layout.fillWidth: true

            TextField {
                id: loginField
                objectName: "loginNameField"

                Layout.fillWidth: true
                placeholderText: qsTr("operator@example.com")
                inputMethodHints: Qt.ImhEmailCharactersOnly
                validator: RegularExpressionValidator {
                    regularExpression: editor.emailPattern
                }

                onAccepted: passwordField.forceActiveFocus()
                onTextEdited: editor.__loginTyped = true
            }

            QQC2.BusyIndicator {
                objectName: "loginsBusyIndicator"
                implicitWidth: 32
                implicitHeight: 32
                running: !!editor.manager && editor.manager.listLogins.isLoading
                visible: running
            }
        }

        Label {
            text: Strings.passwordName
        }
        TextField {
            id: passwordField
            objectName: "newPasswordField"

            Layout.fillWidth: true
            echoMode: TextInput.Password
            placeholderText: Strings.passwordRequirement
            isAcceptable: text.length >= editor.minimumPasswordLength

            onAccepted: confirmField.forceActiveFocus()
        }

        Label {
            text: Strings.confirmPassword
        }
        TextField {
            id: confirmField
            objectName: "confirmPasswordField"

            Layout.fillWidth: true
            echoMode: TextInput.Password
            placeholderText: Strings.passwordRequirement
            isAcceptable: text.length >= editor.minimumPasswordLength
                          && text.localeCompare(passwordField.text) === 0

            onAccepted: {
                if (editor.isAcceptable)
                    editor.acceptCloseRequested()
            }
        }

        // Under the confirmation, in the fields' column.
        Item {
            implicitWidth: 1
            visible: mismatchText.visible
        }
        Label {
            id: mismatchText
            objectName: "passwordMismatchText"
            Layout.fillWidth: true
            visible: editor.passwordsDiffer
            text: qsTr("The passwords do not match.")
            color: "#a00000"
            wrapMode: Text.Wrap
        }
    }
}
