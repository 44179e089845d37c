pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0

// What the console offers to the role it works with: the context user's while working in his
// context. Switching contexts is asked with the own token, so the own role decides it.
QtObject {
    readonly property int role: AuthManager.currentLoginInfo.role
    readonly property int ownRole: AuthManager.loginInfo.role

    function may(right) {
        return RoleRights.allows(right === RoleRights.SwitchUserContext ? ownRole : role, right)
    }

    // Why an action is not offered, for its tool tip; "" when it is.
    function whyNot(right) {
        if (may(right))
            return ""
        var deciding = right === RoleRights.SwitchUserContext ? ownRole : role
        return qsTr("Not available to the role %1.").arg(Enums.valueToKey("Role", "RoleName", deciding) || deciding)
    }
}
