import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import Ostrel 1.0
import App.Constants 1.0
import App.Controls 1.0
import App.Customers 1.0
import App.Logins 1.0
import App.Logins.Ui 1.0
import App.Managers 1.0
import App.Users 1.0
import EntitiesUi 1.0
import Datamizer 1.0

// The users screen: users listed, sorted and filtered; created in two steps, edited, given a
// password and archived (never deleted); each row can switch into that user's context.
QQC2.Pane {
    id: view
    objectName: "manageUsersView"

    property var navigator: null
    readonly property string title: Strings.usersTitle
    readonly property UsersManager manager: UsersDictionary.manager
    readonly property UserFilter filter: UsersDictionary.filter
    readonly property CustomersManager customersManager: CustomersDictionary.manager
    readonly property LoginManager loginManager: LoginsDictionary.manager
    readonly property var currentUser: listView.currentEntity
    readonly property bool currentIsActive: !!currentUser && !currentUser.archived
    readonly property alias listView: listView
    readonly property alias editDialog: editDialog
    readonly property alias createDialog: createDialog
    readonly property alias credentialsDialog: credentialsDialog
    readonly property alias archiveDialog: archiveDialog
    readonly property alias errorDialog: errorDialog

    // Starts in the operator's location; -1 when the operator is not among the listed users.
    function newUser() {
        var index = manager.listUsers.resultIndex
        var self = index && AuthManager.currentLoginInfo.userId >= 0 ? index[AuthManager.currentLoginInfo.userId] : null
        return manager.createNewLocalEntity({
            "idd": 0,
            "role": Role.LocalAdministrator,
            "customerId": self ? self.customerId : -1
        })
    }

    function addUser() {
        if (!Rights.may(RoleRights.AddUser))
            return
        d.created = newUser()
        d.createdLogin = manager.createNewLocalLoginEntity()
        createEditor.entity = d.created
        createEditor.login = d.createdLogin
        createDialog.open()
    }

    // Edits and archiving go to copies, so the list shows only what the service stored.
    function editCurrent() {
        if (!currentUser || !Rights.may(RoleRights.EditUser))
            return
        d.edited = UserDeserializer.clone(currentUser)
        userEditor.entity = d.edited
        editDialog.open()
    }

    function manageCredentials(user, loginName) {
        if (!mayManageLogins(user))
            return
        d.credentialsLogin = manager.createNewLocalLoginEntity()
        credentialsEditor.user = user
        credentialsEditor.entity = d.credentialsLogin
        credentialsDialog.open()
        if (loginName)
            credentialsEditor.keepTypedLogin(loginName)
    }

    // The own logins are always the user's to manage.
    function mayManageLogins(user) {
        return !!user && (user.idd === AuthManager.currentLoginInfo.userId || Rights.may(RoleRights.ManageLogins))
    }

    function archiveCurrent() {
        if (!currentIsActive || !Rights.may(RoleRights.ArchiveUser))
            return
        d.edited = UserDeserializer.clone(currentUser)
        archiveDialog.entity = d.edited
        archiveDialog.open()
    }

    function storeUser(user) {
        var call = user.idd === 0 ? manager.addUser : manager.updateUser
        d.storedUser = user
        call.user = user
        call.invoke()
    }

    function storeLogin(login) {
        d.storedLogin = login
        loginManager.addLogin.login = login
        loginManager.addLogin.invoke()
    }

    padding: 0

    Component.onCompleted: {
        manager.listUsersManual = false
        manager.listUsers.invoke()
    }

    UsersListView {
        id: listView
        anchors.fill: parent
        manager: view.manager
        sortField: listControls.selectedField
        descending: listControls.descending
        onEditRequested: view.editCurrent()
    }

    ScreenToolBarRow {
        navigator: view.navigator

        ToolButton {
            objectName: "archiveUserButton"
            icon.source: "/Icons/user-delete.svg"
            text: Strings.deleteUser
            enabled: view.currentIsActive
            visible: Rights.may(RoleRights.ArchiveUser)
            onClicked: view.archiveCurrent()
        }
        ToolButton {
            objectName: "editUserButton"
            icon.source: "/Icons/account-details.svg"
            text: Strings.editUser
            enabled: view.currentIsActive
            visible: Rights.may(RoleRights.EditUser)
            onClicked: view.editCurrent()
        }
        ToolButton {
            objectName: "userPasswordButton"
            icon.source: "/Icons/login-manage.svg"
            text: Strings.manageUserPassword
            enabled: view.currentIsActive && view.mayManageLogins(view.currentUser)
            onClicked: view.manageCredentials(view.currentUser)
        }
        ToolButton {
            objectName: "addUserButton"
            icon.source: "/Icons/user-add.svg"
            text: Strings.addUser
            visible: Rights.may(RoleRights.AddUser)
            onClicked: view.addUser()
        }
        ToolButton {
            objectName: "refreshUsersButton"
            icon.source: "/Icons/refresh.svg"
            text: qsTr("Refresh")
            display: QQC2.AbstractButton.IconOnly
            onClicked: view.manager.listUsers.invoke()
        }
    }

    ListControlsBar {
        id: listControls
        navigator: view.navigator
        fields: ["name", "role", "archived", "disabled", "customerId"]

        FilterFlagCheckBox {
            objectName: "showArchivedCheckBox"
            text: Strings.filterShowArchived
            filter: view.filter
            flag: "archived"
        }
        FilterFlagCheckBox {
            objectName: "showDisabledCheckBox"
            text: Strings.filterShowDisabled
            filter: view.filter
            flag: "disabled"
        }
    }

    EditEntityDialog {
        id: editDialog
        objectName: "userEditDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: Strings.userEntityName

        entityEditorUi: UserEditor {
            id: userEditor
            manager: view.manager
            onAccept: view.storeUser(entity)
        }
    }

    EditEntityDialog {
        id: createDialog
        objectName: "userCreateDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: Strings.userEntityName
        multipaged: true

        entityEditorUi: UserMultipagedEditor {
            id: createEditor
            manager: view.manager
            loginManager: view.loginManager
            onStoreUserRequested: view.storeUser(user)
            onStoreLoginRequested: view.storeLogin(login)
        }
    }

    EditEntityDialog {
        id: credentialsDialog
        objectName: "userCredentialsDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: qsTr("User Credentials")
        title: credentialsEditor.userHasLogin ? qsTr("Change password") : qsTr("Create %1").arg(entityTypeName)

        entityEditorUi: LoginEditor {
            id: credentialsEditor
            manager: view.loginManager
            onAccept: view.storeLogin(entity)
        }
    }

    ConfirmDeleteEntityDialog {
        id: archiveDialog
        objectName: "archiveUserDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: qsTr("user")
        title: qsTr("Archive user")
        text: qsTr("Archive user '%1'?").arg(entityName)
        onAccepted: {
            entity.archived = true
            view.storeUser(entity)
        }
    }

    ErrorEntityDialog {
        id: errorDialog
        objectName: "userErrorDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: Strings.userEntityName
        // A refused edit or password comes back for mending with what was typed.
        onClosed: {
            var login = d.failedLogin
            var user = d.failedUser
            d.failedLogin = null
            d.failedUser = null
            if (login && login.data) {
                view.manageCredentials(d.userById(login.userId), login.data.login)
            } else if (user) {
                userEditor.entity = user
                editDialog.open()
            }
        }
    }

    Connections {
        target: view.manager.addUser
        function onInvokedOk() {
            var stored = view.manager.addUser.result
            if (!stored)
                return
            Feedback.confirm(qsTr("User '%1' created.").arg(stored.name))
            listView.lastSelectedEntityId = stored.idd
            // Visible, not opened: an Apply pressed while the dialog animates in counts too.
            if (createDialog.visible && createEditor.userInCreation) {
                d.created = stored
                createEditor.next(stored)
            }
        }
        function onInvokedFail(message) { d.reportFailure(message) }
    }

    Connections {
        target: view.manager.updateUser
        function onInvokedOk() {
            var user = d.storedUser
            if (user)
                Feedback.confirm(user.archived ? qsTr("User '%1' archived.").arg(user.name)
                                               : qsTr("User '%1' saved.").arg(user.name))
        }
        function onInvokedFail(message) {
            // An edit comes back for mending; a refused archiving has nothing to mend.
            if (d.storedUser && !d.storedUser.archived)
                d.failedUser = d.storedUser
            d.reportFailure(message)
        }
    }

    Connections {
        target: view.loginManager.addLogin
        function onInvokedOk() {
            var login = d.storedLogin
            if (login) {
                var user = d.userById(login.userId)
                var name = user ? user.name : ""
                Feedback.confirm(user && user.logins && user.logins.length > 0
                                 ? qsTr("Password of '%1' changed.").arg(name)
                                 : qsTr("Login %1 saved for user '%2'.").arg(login.data ? login.data.login : "").arg(name))
                view.manager.listUsers.invoke()
            }
            d.storedLogin = null
        }
        function onInvokedFail(message) {
            if (!d.storedLogin)
                return
            d.failedLogin = d.storedLogin
            d.storedLogin = null
            d.reportFailure(message)
        }
    }

    QtObject {
        id: d

        // Script references keep the unparented entities alive while dialogs hold them.
        property var created: null
        property var createdLogin: null
        property var credentialsLogin: null
        property var storedLogin: null
        property var failedLogin: null
        property var edited: null
        property var storedUser: null
        property var failedUser: null

        function reportFailure(message) {
            errorDialog.reason = message || Strings.requestFailedError
            errorDialog.open()
        }

        function userById(userId) {
            var index = view.manager.listUsers.resultIndex
            if (index && index[userId])
                return index[userId]
            return d.created && d.created.idd === userId ? d.created : null
        }
    }

    // The application-wide lists this screen shows are given back when it closes.
    ServiceUse {
        services: [view.manager.listUsers, view.customersManager.listCustomers]
    }
}
