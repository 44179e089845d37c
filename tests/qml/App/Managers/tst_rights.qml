import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import App.Managers 1.0

// The console offers what the role it works with may do: in another user's context that
// user's role decides, except for the switch itself, which the own login asks for.
TestCase {
    id: testCase
    name: "Rights"

    // As a screen binds it: it must follow a change of context.
    readonly property bool mayEditUsers: Rights.may(RoleRights.EditUser)

    function cleanup() {
        AuthManager.loginInfo.role = -1
        AuthManager.currentLoginInfo.role = -1
    }

    function test_theContextRoleDecides() {
        AuthManager.loginInfo.role = Role.Administrator
        AuthManager.currentLoginInfo.role = Role.Administrator
        verify(mayEditUsers)
        // Working in a technician's context.
        AuthManager.currentLoginInfo.role = Role.Technician
        verify(!mayEditUsers)
        compare(Rights.whyNot(RoleRights.EditUser), "Not available to the role Technician.")
        verify(Rights.may(RoleRights.AddTask))
        compare(Rights.whyNot(RoleRights.AddTask), "")
        verify(Rights.may(RoleRights.SwitchUserContext))
        // A technician's own login switches nowhere, whatever context it shows.
        AuthManager.loginInfo.role = Role.Technician
        AuthManager.currentLoginInfo.role = Role.Administrator
        verify(!Rights.may(RoleRights.SwitchUserContext))
        verify(mayEditUsers)
    }

    // Before the service has told the role nothing is hidden: the service still decides.
    function test_anUnknownRoleHidesNothing() {
        verify(mayEditUsers)
        verify(Rights.may(RoleRights.CreateRoleSession))
    }
}
