import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Constants 1.0
import App.Customers 1.0
import App.Managers 1.0

// Names of the locations the operator can see, by id, for the device rows and the export. Read
// again whenever a location is stored, so that the names follow the locations screen.
QmlObject {
    id: names

    readonly property var index: listLocations.resultIndex || ({})

    // "N/A" for no location (0) and for one the operator cannot see.
    function nameOf(customerId) {
        var location = customerId ? index[customerId] : null
        return location && location.name ? location.name : Strings.notAvailable
    }

    // The name as the screen shows it: an archived location says so.
    function labelOf(customerId) {
        var location = customerId ? index[customerId] : null
        var name = nameOf(customerId)
        return location && location.archived ? qsTr("%1 (archived)").arg(name) : name
    }

    function reload() {
        listLocations.invoke()
    }

    readonly property Connections __stored: Connections {
        target: CustomersDictionary.manager.updateCustomer
        function onInvokedOk() { names.reload() }
    }
    readonly property Connections __added: Connections {
        target: CustomersDictionary.manager.addCustomer
        function onInvokedOk() { names.reload() }
    }

    readonly property CollectionService listLocations: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listCustomers"
        enabled: !!AuthManager.currentLoginInfo.sessionToken
        collectionProperty: "result.items"
        idProperty: "idd"
        delegate: Component {
            QtObject {
                property var modelData: ({})
                readonly property int idd: modelData && modelData["id"] || 0
                readonly property string name: modelData && modelData["n"] || ""
                readonly property bool archived: !!(modelData && modelData["a"])
            }
        }
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": { "includeServants": true },
            "what": "id,n,a"
        })
    }
}
