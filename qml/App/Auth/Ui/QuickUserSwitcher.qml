import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import Ostrel 1.0
import App.Constants 1.0
import App.Controls 1.0
import App.Managers 1.0
import App.Users 1.0
import EntitiesUi 1.0

// Shows whose context the console works in and switches to another user's, or back to the own.
QQC2.Control {
    id: switcher
    objectName: "quickUserSwitcher"

    readonly property UserFilter filter: UserFilter {
        archived: false
        disabled: false
        includeServants: true
        roles: [Role.God, Role.Administrator, Role.Technician, Role.LocalAdministrator]
    }
    readonly property UsersManager manager: UsersManager {
        filter: switcher.filter
        listUsersManual: true
        Component.onCompleted: listRolesAllowedToCreate.enabled = false
    }
    readonly property LoginCredentials loginCredentials: LoginCredentials {
        method: methodUserCtx
        sessionToken: AuthManager.loginInfo.sessionToken
    }
    readonly property bool authorized: AuthManager.currentLoginInfo.status === LoginInfo.Authorized
    readonly property var __listed: authorized && manager.listUsers.result ? manager.listUsers.result : []
    // Every user listed, the own account too: for naming users, not for choosing.
    readonly property var knownUsers: __listed
    // The choices: by name, without the operator's own account (that is the own context, which
    // the button beside restores).
    readonly property var users: {
        var ownId = AuthManager.loginInfo.userId
        return __listed.filter(function (user) { return user.idd !== ownId })
                       .sort(function (a, b) { return a.name.localeCompare(b.name) || a.idd - b.idd })
    }
    readonly property string userName: {
        var currentId = AuthManager.currentLoginInfo.userId
        var user = __listed.find(function (candidate) { return candidate.idd === currentId })
        return user ? user.name : ""
    }
    readonly property alias comboBox: combo

    function switchContext(user) {
        if (!user || user.idd === AuthManager.currentLoginInfo.userId)
            return
        loginCredentials.userId = String(user.idd)
        AuthManager.login(loginCredentials)
    }

    function restore() {
        AuthManager.restoreOwnContext()
        manager.listUsers.invoke()
    }

    function __listUsers() {
        if (AuthManager.currentLoginInfo.sessionToken)
            manager.listUsers.invoke()
    }

    // After the combo box has taken the new model: it resets its row when the model changes.
    function __showCurrentUser() {
        Qt.callLater(__applyCurrentUser)
    }

    // The own account is no choice, yet its name is shown while working in the own context.
    function __applyCurrentUser() {
        var index = users.findIndex(function (user) { return user.idd === AuthManager.currentLoginInfo.userId })
        combo.currentIndex = index
        if (index < 0)
            combo.editText = userName
    }

    onUsersChanged: __showCurrentUser()
    onUserNameChanged: __showCurrentUser()

    Connections {
        target: AuthManager.currentLoginInfo
        function onStatusChanged() {
            if (switcher.authorized)
                switcher.__listUsers()
            switcher.__showCurrentUser()
        }
    }

    Connections {
        target: UsersDictionary.manager.addUser
        function onInvoked() { switcher.__listUsers() }
    }

    Connections {
        target: UsersDictionary.manager.updateUser
        function onInvoked() { switcher.__listUsers() }
    }

    Component.onCompleted: {
        if (authorized)
            __listUsers()
    }

    contentItem: RowLayout {
        Label {
            text: Strings.loggedAs
        }

        ReasonHolder {
            Layout.fillWidth: true
            reason: Rights.whyNot(RoleRights.SwitchUserContext)

            EntityComboBox {
                id: combo
                objectName: "quickUserSwitcherComboBox"

                anchors.fill: parent
                editable: true
                model: switcher.users
                textRole: "name"
                enabled: Rights.may(RoleRights.SwitchUserContext)

                onCountChanged: switcher.__showCurrentUser()
                onActivated: switcher.switchContext(switcher.users[index])
                onAccepted: {
                    var found = find(editText)
                    if (found >= 0)
                        switcher.switchContext(switcher.users[found])
                    else
                        switcher.__showCurrentUser()
                }
            }
        }

        ToolButton {
            objectName: "restoreOwnContextButton"
            icon.source: "/Icons/cancel.svg"
            text: qsTr("Back to my own context")
            display: QQC2.AbstractButton.IconOnly
            QQC2.ToolTip.text: text
            QQC2.ToolTip.visible: hovered
            onClicked: switcher.restore()
        }
    }
}
