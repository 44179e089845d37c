pragma Singleton
import QtQuick 2.15
import Qt.labs.settings 1.1
import Ostrel 1.0
import App.Auth 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Handlers 1.0
import App.MockupDatasets 1.0

// Knows who is logged in and with which session token; every service body carries
// currentLoginInfo.sessionToken.
QtObject {
    id: authManager

    // The operator's own login: persisted, and the source of user contexts.
    property LoginInfo loginInfo: LoginInfo { status: LoginInfo.Idle }
    // The effective context: the own login or another user's.
    property LoginInfo currentLoginInfo: LoginInfo { status: LoginInfo.Idle }
    property string lastUserName: ""
    property bool rememberSession: false
    property string stringLoginInfo: ""
    readonly property var headers: ({ "Content-type": "application/json" })

    property LoginHandler handler: LoginHandler {
        currentLoginInfo: authManager.currentLoginInfo
        ownLoginInfo: authManager.loginInfo
        headers: authManager.headers
        onAuthorized: authManager.__onAuthorized(userId, method)
        onError: authManager.__onError(message, method, refused)
    }

    property Settings settings: Settings {
        category: "session"
        property alias lastUserName: authManager.lastUserName
        property alias rememberUser: authManager.rememberSession
        property alias loginInfo: authManager.stringLoginInfo
    }

    // The name lookup of logged-in users (UserInfoLookup of the users module). It is made at
    // run time: the users and logins modules import this one, so a static import would be
    // circular.
    readonly property QtObject userFilter: __userInfoLookup ? __userInfoLookup.userFilter : null
    readonly property QtObject userManager: __userInfoLookup ? __userInfoLookup.userManager : null
    readonly property QtObject loginManager: __userInfoLookup ? __userInfoLookup.loginManager : null
    property QtObject __userInfoLookup: null

    // The service that granted the current tokens; a log-off goes there even after a switch.
    property url __sessionServiceUri
    // What the own login was before a login started, given back when it is cancelled or the
    // service cannot be asked.
    property int __ownStatusBeforeLogin: LoginInfo.Idle

    signal authorized(string userId)
    signal authorizationError(string message)
    signal loggedOff()

    function login(loginCreds) {
        if (!loginCreds) {
            console.error("AuthManager::login() - no credentials")
            authorizationError(Strings.authErrorNull)
            return
        }
        MockupConfig.useMockupDatasets = false
        if (loginCreds.method === loginCreds.methodLoginPass) {
            lastUserName = loginCreds.login
            __runOwnLogin(loginCreds)
        } else if (loginCreds.method === loginCreds.methodSessionToken) {
            __runOwnLogin(loginCreds)
        } else {
            switchUserContext(loginCreds)
        }
    }

    // A login into another user's context, made with the own token.
    function switchUserContext(loginCreds) {
        currentLoginInfo.status = LoginInfo.Loading
        handler.runRequest(loginCreds)
    }

    // Gives up a password or stored-session login still waiting for the service.
    function cancelLogin() {
        if (currentLoginInfo.status !== LoginInfo.Loading)
            return
        handler.cancel()
        currentLoginInfo.status = LoginInfo.Idle
        if (loginInfo.status === LoginInfo.Loading)
            loginInfo.status = __ownStatusBeforeLogin
    }

    function logoff() {
        __logoffAt(String(Endpoints.logoff))
    }

    function getSessionInfo(info) {
        loginInfo.status = LoginInfo.Loading
        __sessionServiceUri = Endpoints.serviceUri
        handler.checkSessionInfo(info)
    }

    function cloneInfo(source, target) {
        target.sessionToken = source.sessionToken
        target.createdAt = source.createdAt
        target.unusedExpiredAt = source.unusedExpiredAt
        target.role = source.role
        target.userId = source.userId
        target.loginName = source.loginName
        target.status = source.status
        target.userName = source.userName
    }

    // Fetches the user's display name and, when a login name is missing, the login name.
    function updateInfo(userId) {
        if (!__userInfoLookup) {
            var component = Qt.createComponent("qrc:/App/Users/UserInfoLookup.qml")
            __userInfoLookup = component.createObject(authManager)
            if (!__userInfoLookup) {
                console.error("AuthManager::updateInfo:", component.errorString())
                return
            }
        }
        __userInfoLookup.run(userId)
    }

    // The login view shows its busy indicator and its errors by currentLoginInfo's status, so
    // that one moves to Loading with the own login.
    function __runOwnLogin(loginCreds) {
        if (loginInfo.status !== LoginInfo.Loading)
            __ownStatusBeforeLogin = loginInfo.status
        loginInfo.status = LoginInfo.Loading
        currentLoginInfo.status = LoginInfo.Loading
        __sessionServiceUri = Endpoints.serviceUri
        handler.runRequest(loginCreds)
    }

    function __logoffAt(logoffUri) {
        // Sent at once, so the body still carries the token cleared below; without a token
        // there is no session to end.
        if (currentLoginInfo.sessionToken)
            handler.requestLogoff(logoffUri)
        rememberSession = false
        loginInfo.logoff()
        currentLoginInfo.logoff()
        __sessionServiceUri = Endpoints.serviceUri
        loggedOff()
    }

    function __onAuthorized(userId, method) {
        console.log("Authorized")
        if (method !== "user-context") {
            cloneInfo(currentLoginInfo, loginInfo)
            if (rememberSession && method === "login-password")
                stringLoginInfo = LoginInfoSerializer.toString(loginInfo)
        }
        if (!currentLoginInfo.userName)
            updateInfo(userId)
        authorized(userId)
    }

    // Only a refusal by the service forgets the remembered session: one that could not be
    // asked (down, too slow) is asked again later.
    function __onError(message, method, refused) {
        if (!refused && loginInfo.status === LoginInfo.Loading)
            loginInfo.status = __ownStatusBeforeLogin
        authorizationError(message)
        if (method !== "user-context" && refused)
            rememberSession = false
    }

    function __restoreLoginInfo() {
        if (loginInfo.status !== LoginInfo.Idle || !stringLoginInfo)
            return
        try {
            LoginInfoSerializer.deserialize(JSON.parse(stringLoginInfo), loginInfo)
        } catch (e) {
            console.warn("AuthManager::restore:", e)
        }
    }

    onRememberSessionChanged: {
        if (!rememberSession)
            stringLoginInfo = ""
    }
    onStringLoginInfoChanged: __restoreLoginInfo()
    Component.onCompleted: __sessionServiceUri = Endpoints.serviceUri

    property Connections __endpointsConnection: Connections {
        target: Endpoints
        function onServiceUriChanged() {
            // An answer of the previous service must not sign in after the change.
            authManager.cancelLogin()
            authManager.__logoffAt(String(authManager.__sessionServiceUri) + "/logoff")
        }
    }
}
