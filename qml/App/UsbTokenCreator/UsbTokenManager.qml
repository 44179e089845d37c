import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0
import Datamizer 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// Asks the service for a time-limited session of a role; the serializer saves its token once
// the answer holds a token and a window that can be read.
QmlObject {
    id: manager

    // The caller may not hand out that role.
    signal tokenCreationFailed()
    // Any other failure, with the text to show for it.
    signal tokenCreationError(string reason)
    // The service granted a usable session; saving its token has begun.
    signal tokenAccepted()

    // The token being saved: made only from an answer that passed __problemOf().
    property QtObject __token: null

    // Why a granted session cannot go into a token file, or "" when it can.
    function __problemOf(session) {
        if (!session || typeof session !== "object" || typeof session["t"] !== "string" || !session["t"])
            return qsTr("The service granted no session token.")
        var dates = ["vf", "vt"]
        for (var i = 0; i < dates.length; ++i) {
            var value = session[dates[i]]
            if (value === undefined || value === null)
                continue
            var date = DataUtils.dateTimeOffset(value)
            if (!date || isNaN(date.getTime()))
                return qsTr("The service sent a validity window that cannot be read.")
        }
        return ""
    }

    function __takeSession(session) {
        var problem = __problemOf(session)
        if (problem) {
            tokenCreationError(problem)
            return
        }
        tokenAccepted()
        __token = UsbTokenSerializer.createObject(null, { "modelData": session })
    }

    readonly property SingleResultService createRoleSession: SingleResultService {
        property int role: Role.Technician
        property date from: new Date()
        property date till: new Date(Date.now() + 24 * 3600 * 1000)

        baseUrl: Endpoints.serviceUri
        method: "createRoleSession"
        manual: true
        // The file is written only from an answer checked first (see __takeSession).
        delegate: null
        // The token is written out as it came: a cut one would be a broken key.
        maxTextLength: 0
        // Date values: the body's text carries them as ISO 8601 in UTC with milliseconds.
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "role": role,
            "validFrom": from,
            "validTo": till
        })

        onInvokedOk: manager.__takeSession(jsonResult["result"])
        onInvokedFail: {
            var status = jsonResult ? jsonResult["status"] : undefined
            if (status === ResponseStatus.NoRights)
                manager.tokenCreationFailed()
            else
                manager.tokenCreationError(message || Strings.requestFailedError)
        }
    }
}
