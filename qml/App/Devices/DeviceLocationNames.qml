import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Constants 1.0
import App.Managers 1.0

// Names of the locations the operator can see, by id, for the device rows and the export.
QmlObject {
    id: names

    readonly property var index: listLocations.resultIndex || ({})

    // "N/A" for no location (0) and for one the operator cannot see.
    function nameOf(customerId) {
        var location = customerId ? index[customerId] : null
        return location && location.name ? location.name : Strings.notAvailable
    }

    function reload() {
        listLocations.invoke()
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
            }
        }
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": { "includeServants": true },
            "what": "id,n"
        })
    }
}
