import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import "RolloutTexts.js" as RolloutTexts

// The staged rollouts of the service. Not every service has them: the first list tells, and a
// service that does not know the method offers only firmware updates at once.
QmlObject {
    id: manager

    // True once the service answered a rollout list; false while unknown or not offered.
    readonly property bool available: __available
    // The rollouts as plain records, newest first, their texts cut to size.
    readonly property var rollouts: __rollouts
    // Why the last list failed, or empty.
    readonly property string listError: __listError
    readonly property bool isLoading: listRollouts.isLoading

    property bool __available: false
    property var __rollouts: []
    property string __listError: ""

    // Another step of a rollout: pause, resume, abort or start its next group.
    signal changeFailed(string reason)
    // method: the call that went through ("pauseRollout", "abortRollout", ...).
    signal changeSucceeded(string method)

    function reload() {
        if (AuthManager.currentLoginInfo.sessionToken)
            listRollouts.invoke()
    }

    function add(rollout, targets) {
        addRollout.rollout = rollout
        addRollout.targets = targets
        addRollout.invoke()
    }

    function pause(id) { __change("pauseRollout", id) }
    function resume(id) { __change("resumeRollout", id) }
    function abort(id) { __change("abortRollout", id) }
    function startNextGroup(id) { __change("startNextGroup", id) }

    function __change(method, id) {
        change.method = method
        change.rolloutId = id
        change.invoke()
    }

    function __failure(service, message) {
        var status = service.jsonResult ? Number(service.jsonResult["status"]) : NaN
        return isNaN(status) ? qsTr("The service could not be reached.") + " " + (message || "")
                             : service.findReason()
    }

    readonly property DatamizerService listRollouts: DatamizerService {
        baseUrl: Endpoints.serviceUri
        method: "listRollouts"
        manual: true
        bodyParams: ({ "sessionToken": AuthManager.currentLoginInfo.sessionToken })
        onInvokedOk: {
            manager.__available = true
            manager.__listError = ""
            var result = jsonResult["result"]
            manager.__rollouts = RolloutTexts.records(result && result["items"])
        }
        onInvokedFail: {
            // An unknown method: the service has no rollouts, which is no failure.
            if (loader.status === 404) {
                manager.__available = false
                manager.__rollouts = []
                manager.__listError = ""
                return
            }
            manager.__listError = manager.__failure(listRollouts, message)
        }
    }

    readonly property DatamizerService addRollout: DatamizerService {
        property var rollout: ({})
        property var targets: []

        baseUrl: Endpoints.serviceUri
        method: "addRollout"
        manual: true
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "rollout": rollout,
            "targets": targets
        })
        onInvokedOk: manager.reload()
    }

    readonly property DatamizerService __changeService: DatamizerService {
        id: change

        property var rolloutId: 0

        baseUrl: Endpoints.serviceUri
        method: "pauseRollout"
        manual: true
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "rolloutId": rolloutId
        })
        onInvokedOk: {
            manager.changeSucceeded(method)
            manager.reload()
        }
        onInvokedFail: {
            manager.changeFailed(manager.__failure(change, message))
            manager.reload()
        }
    }

    property Connections __session: Connections {
        target: AuthManager.currentLoginInfo
        function onSessionTokenChanged() {
            manager.__available = false
            manager.__rollouts = []
            manager.reload()
        }
    }

    Component.onCompleted: reload()
}
