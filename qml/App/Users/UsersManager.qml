import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Logins 1.0
import App.Managers 1.0

// The user calls of the service.
QmlObject {
    id: manager

    property UserFilter filter: UserFilter {}
    property bool listUsersManual: true

    readonly property CollectionService listUsers: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listUsers"
        manual: manager.listUsersManual
        // A list that runs by itself waits for a session: without one it could only be refused.
        enabled: manager.listUsersManual || !!AuthManager.currentLoginInfo.sessionToken
        collectionProperty: "result.items"
        listRequired: true
        keepsResult: true
        idProperty: "idd"
        delegate: UserSerializer
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": manager.filter ? UserFilterDeserializer.jsonEntity(manager.filter) : null,
            "what": "id,n,cId,r,bIn,l,d,a"
        })
    }

    readonly property SingleResultService addUser: SingleResultService {
        property User user: null

        baseUrl: Endpoints.serviceUri
        method: "addUser"
        manual: true
        delegate: UserSerializer
        bodyParams: manager.__userBody(user)
    }

    readonly property SingleResultService updateUser: SingleResultService {
        property User user: null

        baseUrl: Endpoints.serviceUri
        method: "updateUser"
        manual: true
        delegate: UserSerializer
        bodyParams: manager.__userBody(user)
    }

    readonly property CollectionService listRolesAllowedToCreate: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listRolesAllowedToCreate"
        // Asking without a session only earns a refusal.
        enabled: !!AuthManager.currentLoginInfo.sessionToken
        collectionProperty: "result"
        // Roles come as bare numbers.
        recordItems: false
        delegate: RoleSerializer
        bodyParams: ({ "sessionToken": AuthManager.currentLoginInfo.sessionToken })
    }

    function __userBody(user) {
        return {
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "user": user ? UserDeserializer.jsonEntity(user) : null
        }
    }

    function createNewLocalEntity(properties, owner) {
        return localUser.createObject(owner || null, properties || {})
    }

    function createNewLocalLoginEntity(properties, owner) {
        return localLogin.createObject(owner || null, properties || {})
    }

    Component {
        id: localUser
        User {}
    }

    Component {
        id: localLogin
        Login {}
    }
}
