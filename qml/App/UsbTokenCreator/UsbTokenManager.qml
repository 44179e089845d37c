import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0
import Datamizer 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Managers 1.0

// Asks the service for a time-limited session of a role; the serializer saves its token.
QmlObject {
    id: manager

    // The caller may not hand out that role.
    signal tokenCreationFailed()
    // Any other failure, with the text to show for it.
    signal tokenCreationError(string reason)

    readonly property SingleResultService createRoleSession: SingleResultService {
        property int role: Role.Technician
        property date from: new Date()
        property date till: new Date(Date.now() + 24 * 3600 * 1000)

        baseUrl: Endpoints.serviceUri
        method: "createRoleSession"
        manual: true
        delegate: UsbTokenSerializer
        // The token is written out as it came: a cut one would be a broken key.
        maxTextLength: 0
        // Date values: the body's text carries them as ISO 8601 in UTC with milliseconds.
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "role": role,
            "validFrom": from,
            "validTo": till
        })

        onInvokedFail: {
            var status = jsonResult ? jsonResult["status"] : undefined
            if (status === ResponseStatus.NoRights)
                manager.tokenCreationFailed()
            else
                manager.tokenCreationError(message || Strings.requestFailedError)
        }
    }
}
