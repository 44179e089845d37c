pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0

// The application-wide audit trail, and whether this service keeps one that the signed-in
// user may read: a service without the method, or a role without the right, hides the screen.
QmlObject {
    id: dictionary

    readonly property AuditManager manager: AuditManager {}
    // Probed only once the role is known.
    readonly property bool roleMayRead: AuthManager.currentLoginInfo.role >= 0 && Rights.may(RoleRights.ReadActivity)
    readonly property bool available: roleMayRead && __offered
                                      && __probedToken === AuthManager.currentLoginInfo.sessionToken

    property bool __offered: false
    property string __probedToken: ""

    function probe() {
        __offered = false
        __probedToken = ""
        if (roleMayRead && AuthManager.currentLoginInfo.sessionToken)
            __probe.invoke()
    }

    readonly property DatamizerService __probe: DatamizerService {
        property string askedWith: ""

        baseUrl: Endpoints.serviceUri
        method: "listAuditRecords"
        manual: true
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "paging": { "skip": 0, "take": 1, "calcTotal": false }
        })
        onInvoking: askedWith = AuthManager.currentLoginInfo.sessionToken
        onInvokedOk: {
            dictionary.__offered = true
            dictionary.__probedToken = askedWith
        }
    }

    // Asked a moment after a sign-in, once the sign-in's own lookups are on their way: the
    // question is not urgent, and the connections to the service are few.
    readonly property Timer __probeDelay: Timer {
        interval: 1500
        onTriggered: dictionary.probe()
    }

    Component.onCompleted: __probeDelay.restart()

    // Each session (and each user context) asks again: the answer depends on the role.
    Connections {
        target: AuthManager.currentLoginInfo
        function onSessionTokenChanged() {
            dictionary.__offered = false
            dictionary.__probeDelay.restart()
        }
    }
    Connections {
        target: AuthManager
        function onLoggedOff() {
            dictionary.manager.filter.reset()
            dictionary.__offered = false
        }
    }
}
