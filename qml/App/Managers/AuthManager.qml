pragma Singleton
import QtQuick 2.15
import Qt.labs.settings 1.1
import Ostrel 1.0
import App.Auth 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Handlers 1.0
import App.MockupDatasets 1.0
import Datamizer 1.0

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

    // The session itself (stringLoginInfo, token included) is kept by SessionVault, never here.
    property Settings settings: Settings {
        category: "session"
        property alias lastUserName: authManager.lastUserName
        property alias rememberUser: authManager.rememberSession
    }

    // Asks the operator before a switch into another user's context: an object with
    // ask(credentials) that answers with switchUserContext(credentials) or cancelUserSwitch().
    // The main view provides it; without one (no window) a switch runs at once.
    property QtObject userSwitchConfirmation: null
    // The console works in another user's context rather than the operator's own.
    readonly property bool inOtherUserContext: currentLoginInfo.sessionToken !== ""
                                               && loginInfo.sessionToken !== ""
                                               && currentLoginInfo.sessionToken !== loginInfo.sessionToken

    // The context a switch in progress replaces: its session ends once the switch succeeds.
    property string __replacedContextToken: ""
    // The service that granted the current tokens; a log-off goes there even after a switch.
    property url __sessionServiceUri
    // What the own login was before a login started, given back when it is cancelled or the
    // service cannot be asked.
    property int __ownStatusBeforeLogin: LoginInfo.Idle

    signal authorized(string userId)
    signal authorizationError(string message)
    signal loggedOff()
    // The display and login names of this user are wanted (the users module looks them up).
    signal userInfoWanted(int userId)
    // A switch into another user's context was refused; the previous context stays.
    signal userSwitchFailed(string message)

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
        } else if (userSwitchConfirmation) {
            userSwitchConfirmation.ask(loginCreds)
        } else {
            switchUserContext(loginCreds)
        }
    }

    // A login into another user's context, made with the own token.
    function switchUserContext(loginCreds) {
        __replacedContextToken = inOtherUserContext ? currentLoginInfo.sessionToken : ""
        currentLoginInfo.status = LoginInfo.Loading
        handler.runRequest(loginCreds)
    }

    // The operator said no: the context stays, and observers of the status refresh.
    function cancelUserSwitch() {
        currentLoginInfo.status = LoginInfo.Loading
        currentLoginInfo.status = LoginInfo.Authorized
    }

    // Credentials for a switch into the user's context on the strength of the own token.
    function userContextCredentials(userId) {
        var credentials = __credentialsComponent.createObject(null, {
            "sessionToken": loginInfo.sessionToken,
            "userId": String(userId)
        })
        credentials.method = credentials.methodUserCtx
        return credentials
    }

    // Back to the own context. The other user's session is ended at the service, as nothing
    // uses its token any more; loggedOff() lets the screens reset their filters.
    function restoreOwnContext() {
        if (!loginInfo.sessionToken)
            return
        var contextToken = currentLoginInfo.sessionToken
        currentLoginInfo.status = LoginInfo.Loading
        cloneInfo(loginInfo, currentLoginInfo)
        if (contextToken && contextToken !== loginInfo.sessionToken)
            handler.requestLogoff(String(__sessionServiceUri) + "/logoff", contextToken)
        loggedOff()
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

    // Asks for the user's display name and, when a login name is missing, the login name.
    function updateInfo(userId) {
        userInfoWanted(Number(userId))
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
        // Both sessions end while working in another user's context; without a token there is
        // no session to end.
        var tokens = [currentLoginInfo.sessionToken]
        if (loginInfo.sessionToken !== currentLoginInfo.sessionToken)
            tokens.push(loginInfo.sessionToken)
        tokens.forEach(function (token) {
            if (token)
                handler.requestLogoff(logoffUri, token)
        })
        rememberSession = false
        loginInfo.logoff()
        currentLoginInfo.logoff()
        __sessionServiceUri = Endpoints.serviceUri
        loggedOff()
        ServiceEvents.sessionEnded()
    }

    function __onAuthorized(userId, method) {
        console.log("Authorized")
        if (method !== "user-context") {
            cloneInfo(currentLoginInfo, loginInfo)
            if (rememberSession && method === "login-password")
                stringLoginInfo = LoginInfoSerializer.toString(loginInfo)
        } else if (__replacedContextToken) {
            handler.requestLogoff(String(__sessionServiceUri) + "/logoff", __replacedContextToken)
        }
        __replacedContextToken = ""
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
        if (method !== "user-context") {
            if (refused)
                rememberSession = false
            return
        }
        __replacedContextToken = ""
        currentLoginInfo.status = LoginInfo.Authorized
        userSwitchFailed(message)
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

    // The kept session arrives once the credential store has answered; a login meanwhile wins.
    function __takeKeptSession(text) {
        if (!text)
            return
        if (!rememberSession)
            SessionVault.keep("")
        else if (!stringLoginInfo)
            stringLoginInfo = text
    }

    onRememberSessionChanged: {
        if (!rememberSession)
            stringLoginInfo = ""
    }
    onStringLoginInfoChanged: {
        SessionVault.keep(stringLoginInfo)
        __restoreLoginInfo()
    }
    Component.onCompleted: {
        __sessionServiceUri = Endpoints.serviceUri
        SessionVault.load()
    }

    property Connections __vaultConnection: Connections {
        target: SessionVault
        function onLoaded(text) {
            authManager.__takeKeptSession(text)
        }
    }

    property Component __credentialsComponent: Component {
        LoginCredentials {}
    }

    property Connections __endpointsConnection: Connections {
        target: Endpoints
        function onServiceUriChanged() {
            // An answer of the previous service must not sign in after the change.
            authManager.cancelLogin()
            authManager.__logoffAt(String(authManager.__sessionServiceUri) + "/logoff")
        }
    }
}
