import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import Ostrel 1.0
import App.Constants 1.0
import App.Managers 1.0
import App.Users 1.0
import EntitiesUi 1.0

// The window's side of user contexts: the question before a switch, the report of a refused
// switch, and the name lookup of logged-in users with the report of its failures. It answers the authentication manager's
// questions while it exists.
Item {
    id: switching

    // The users the quick user switcher knows, the own account too: the application-wide user
    // list is given back when the users screen closes.
    property var users: []
    readonly property alias confirmationDialog: confirmationDialog
    readonly property alias errorDialog: errorDialog

    // Called by the authentication manager for every switch into a user's context.
    function ask(credentials) {
        var index = Object.assign({}, UsersDictionary.manager.listUsers.resultIndex || {})
        var offered = users || []
        for (var i = 0; i < offered.length; ++i)
            index[offered[i].idd] = offered[i]
        confirmationDialog.creds = credentials
        confirmationDialog.current = index[AuthManager.currentLoginInfo.userId] || null
        confirmationDialog.target = credentials ? index[credentials.userId] || null : null
        d.answered = false
        confirmationDialog.open()
    }

    UserInfoLookup {
        objectName: "userInfoLookup"
        onFailed: {
            lookupErrorDialog.reason = qsTr("The name of the signed-in user could not be read: %1").arg(message)
            lookupErrorDialog.open()
        }
    }

    ConfirmUserSwitchDialog {
        id: confirmationDialog
        objectName: "confirmUserSwitchDialog"

        parent: QQC2.Overlay.overlay

        onAccepted: {
            d.answered = true
            if (creds)
                AuthManager.switchUserContext(creds)
            else
                errorDialog.open()
        }
        // Cancel, Escape or anything else that closes the question keeps the context.
        onClosed: {
            if (!d.answered)
                AuthManager.cancelUserSwitch()
            d.answered = true
            creds = null
        }
    }

    ErrorEntityDialog {
        id: errorDialog
        objectName: "userSwitchErrorDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: Strings.userEntityName
    }

    ErrorEntityDialog {
        id: lookupErrorDialog
        objectName: "userInfoErrorDialog"

        parent: QQC2.Overlay.overlay
        entityTypeName: Strings.userEntityName
    }

    Connections {
        target: AuthManager
        function onUserSwitchFailed(message) {
            errorDialog.reason = message
            errorDialog.open()
        }
    }

    QtObject {
        id: d
        property bool answered: true
    }

    Component.onCompleted: AuthManager.userSwitchConfirmation = switching
    Component.onDestruction: {
        if (AuthManager.userSwitchConfirmation === switching)
            AuthManager.userSwitchConfirmation = null
    }
}
