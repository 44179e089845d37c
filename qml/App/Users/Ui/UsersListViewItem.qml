import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Constants 1.0
import App.Controls 1.0
import App.Customers 1.0
import App.Managers 1.0
import Ostrel 1.0

// One user row: state icon, name and last login name, location and role, and the switch into
// the user's context.
ListViewItem {
    id: row

    signal deleteUser(var currentUser)

    readonly property var user: mData
    readonly property var lastLogin: user && user.logins && user.logins.length ? user.logins[user.logins.length - 1]
                                                                              : null
    readonly property var location: {
        var index = CustomersDictionary.manager.listCustomers.resultIndex
        return user && index ? index[user.customerId] || null : null
    }

    function switchToUser() {
        if (user)
            AuthManager.login(AuthManager.userContextCredentials(user.idd))
    }

    objectName: user ? "userRow_" + user.name : ""

    contentItem: RowLayout {
        spacing: 8

        Image {
            Layout.preferredWidth: 24
            Layout.preferredHeight: 24
            sourceSize: Qt.size(24, 24)
            source: !row.user ? ""
                    : row.user.archived ? "/Icons/user-archived.svg"
                    : row.user.disabled ? "/Icons/user-disabled.svg" : "/Icons/user-enabled.svg"
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 2
            spacing: 0

            Label {
                objectName: "userNameLabel"
                Layout.fillWidth: true
                text: row.user && row.user.name ? row.user.name : Strings.notAvailable
                textFormat: Text.PlainText
                elide: Text.ElideRight
            }
            Label {
                objectName: "userLoginLabel"
                Layout.fillWidth: true
                text: row.lastLogin && row.lastLogin.data && row.lastLogin.data.login ? row.lastLogin.data.login
                                                                                      : Strings.notAvailable
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.pixelSize: 11
                opacity: 0.7
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            spacing: 0

            Label {
                objectName: "userLocationLabel"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignRight
                text: row.location && row.location.name ? row.location.name : Strings.notAvailable
                textFormat: Text.PlainText
                elide: Text.ElideRight
            }
            Label {
                objectName: "userRoleLabel"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignRight
                text: row.user ? Enums.valueToKey("Role", "RoleName", row.user.role) || Strings.notAvailable : ""
                textFormat: Text.PlainText
                font.pixelSize: 11
                opacity: 0.7
            }
        }

        ToolButton {
            objectName: row.user ? "switchToUserButton_" + row.user.name : ""
            icon.source: "/Icons/user-login.svg"
            text: qsTr("Work as this user")
            display: QQC2.AbstractButton.IconOnly
            QQC2.ToolTip.text: text
            QQC2.ToolTip.visible: hovered
            // Not into the own account: that is the own context.
            visible: !!row.user && row.user.idd !== AuthManager.loginInfo.userId
                     && Rights.may(RoleRights.SwitchUserContext)
            onClicked: row.switchToUser()
        }
    }
}
