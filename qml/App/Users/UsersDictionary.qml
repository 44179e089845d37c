pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0 as Ostrel
import App.Logins 1.0
import App.Managers 1.0

// The application-wide user list, listed again after every change of a user or a login.
QmlObject {
    id: dictionary

    readonly property UserFilter filter: UserFilter {}
    readonly property UsersManager manager: UsersManager {
        filter: dictionary.filter
        listUsersManual: false
    }
    // Roles an operator may give to users he creates here; devices and technicians are made elsewhere.
    readonly property var createableRoles: {
        var roles = manager.listRolesAllowedToCreate.result || []
        var excluded = [Ostrel.Role.Device, Ostrel.Role.DeviceStateMaintainer, Ostrel.Role.Technician,
                        Ostrel.Role.God]
        return roles.filter(function (role) { return excluded.indexOf(role.idd) < 0 })
    }

    function __reloadUsers() {
        manager.listUsers.invoke()
    }

    Component.onCompleted: {
        // invokedOk and invokedFail together report every finished call once.
        var changes = [manager.addUser, manager.updateUser, LoginsDictionary.manager.addLogin]
        for (var i = 0; i < changes.length; ++i) {
            changes[i].invokedOk.connect(__reloadUsers)
            changes[i].invokedFail.connect(__reloadUsers)
        }
        AuthManager.loggedOff.connect(filter.reset)
    }
}
