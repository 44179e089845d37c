import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0

// The login record calls of the service; both run only when invoked.
QmlObject {
    id: manager

    readonly property SingleResultService addLogin: SingleResultService {
        property Login login: null

        baseUrl: Endpoints.serviceUri
        method: "addLogin"
        manual: true
        // Callers only react to the signals; the answer carries nothing they read.
        delegate: Component {
            QtObject {
                property var modelData
            }
        }
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "login": login ? LoginDeserializer.jsonEntity(login) : null
        })
    }

    readonly property CollectionService listLogins: CollectionService {
        property int userId: -1

        baseUrl: Endpoints.serviceUri
        method: "listLogins"
        manual: true
        collectionProperty: "result.items"
        delegate: LoginSerializer
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": { "userId": userId, "method": "login-password" }
        })
    }
}
