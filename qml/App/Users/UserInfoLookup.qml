import QtQuick 2.15
import App.Logins 1.0
import App.Managers 1.0

// Fills in the display name and a missing login name of a logged-in user whenever the
// authentication manager wants them. The answers land only in the login infos that still belong
// to that user, so a late answer after a log-off or a switch changes nothing.
QtObject {
    id: lookup

    readonly property UserFilter userFilter: UserFilter {}
    readonly property UsersManager userManager: UsersManager {
        filter: lookup.userFilter
        listUsersManual: true
        Component.onCompleted: {
            listRolesAllowedToCreate.enabled = false
            // One user is looked up: a longer answer builds no more than that one.
            listUsers.maxItems = 1
        }
    }
    readonly property LoginManager loginManager: LoginManager {}

    // A lookup failed; message says why. An expired session is left to the session's own
    // report.
    signal failed(string message)

    function run(userId) {
        if (!(Number(userId) >= 0) || !AuthManager.currentLoginInfo.sessionToken)
            return
        userFilter.ids = [Number(userId)]
        userManager.listUsers.invoke()
        if (!AuthManager.currentLoginInfo.loginName || !AuthManager.loginInfo.loginName) {
            loginManager.listLogins.userId = Number(userId)
            loginManager.listLogins.invoke()
        }
    }

    function __onUsersListed() {
        var users = userManager.listUsers.result
        var user = users && users.length ? users[0] : null
        if (!user)
            return
        var infos = [AuthManager.currentLoginInfo, AuthManager.loginInfo]
        for (var i = 0; i < infos.length; ++i) {
            if (infos[i].userId === user.idd)
                infos[i].userName = user.name
        }
    }

    function __onLoginsListed() {
        var logins = loginManager.listLogins.result
        var login = logins && logins.length ? logins[0] : null
        if (!login || !login.data)
            return
        // A name the operator signed in with is kept: the user may have several logins.
        var infos = [AuthManager.currentLoginInfo, AuthManager.loginInfo]
        for (var i = 0; i < infos.length; ++i) {
            if (infos[i].userId === login.userId && !infos[i].loginName)
                infos[i].loginName = login.data.login || ""
        }
    }

    // Only failures for the session still signed in are reported: a late one after a log-off
    // concerns nobody.
    function __onFailed(service, message) {
        var answer = service.jsonResult
        if (answer && answer["status"] === 2)
            return
        if (AuthManager.currentLoginInfo.sessionToken)
            failed(message)
    }

    property Connections __wanted: Connections {
        target: AuthManager
        function onUserInfoWanted(userId) { lookup.run(userId) }
    }
    property Connections __usersListed: Connections {
        target: lookup.userManager.listUsers
        function onInvokedOk() { lookup.__onUsersListed() }
        function onInvokedFail(message) { lookup.__onFailed(lookup.userManager.listUsers, message) }
    }
    property Connections __loginsListed: Connections {
        target: lookup.loginManager.listLogins
        function onInvokedOk() { lookup.__onLoginsListed() }
        function onInvokedFail(message) { lookup.__onFailed(lookup.loginManager.listLogins, message) }
    }
}
