import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import "qrc:///Entities/EntityTree.js" as EntityTree

// The location calls of the service, and the tree helpers over the listed locations.
QmlObject {
    id: manager

    property CustomersFilter filter: CustomersFilter {}

    readonly property CollectionService listCustomers: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listCustomers"
        // A list that runs by itself waits for a session: without one it could only be refused.
        enabled: !!AuthManager.currentLoginInfo.sessionToken
        collectionProperty: "result.items"
        listRequired: true
        keepsResult: true
        idProperty: "idd"
        delegate: CustomerSerializer
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": manager.filter ? CustomersFilterDeserializer.jsonEntity(manager.filter) : null,
            "what": "id, n, d, oId, a"
        })
    }

    readonly property SingleResultService addCustomer: SingleResultService {
        property Customer customer: null

        baseUrl: Endpoints.serviceUri
        method: "addCustomer"
        manual: true
        delegate: CustomerSerializer
        bodyParams: manager.__customerBody(customer)
    }

    readonly property SingleResultService updateCustomer: SingleResultService {
        property Customer customer: null

        baseUrl: Endpoints.serviceUri
        method: "updateCustomer"
        manual: true
        delegate: CustomerSerializer
        bodyParams: manager.__customerBody(customer)
    }

    function __customerBody(customer) {
        return {
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "customer": customer ? CustomerDeserializer.jsonEntity(customer) : null
        }
    }

    function findCustomerParent(customer) {
        if (!customer || !customer.ownerId)
            return null
        return EntityTree.parentOf(listCustomers.resultIndex, customer, "ownerId")
    }

    function customerIntent(customer) {
        return EntityTree.depth(listCustomers.resultIndex, customer, "ownerId")
    }

    function sortableCustomerPath(customer) {
        return EntityTree.sortablePath(listCustomers.resultIndex, customer, "ownerId")
    }

    // The location's chain from the top of its tree down to itself.
    function customerAncestry(customer) {
        return EntityTree.ancestry(listCustomers.resultIndex, customer, "ownerId")
    }

    // The ids of the location and of every location below it, as keys.
    function customerSubtreeIds(customer) {
        return EntityTree.subtreeIds(listCustomers.resultIndex || {}, customer, "ownerId")
    }

    // One row per listed location: {idd, customer, intent}. The "default" field shows the tree
    // (each location after its parent, siblings by name); any other field sorts by that
    // property of the location in the given direction.
    function orderedRows(sortField, descending) {
        var rows = EntityTree.orderedRows(listCustomers.result, listCustomers.resultIndex, "ownerId", function (customer, depth, id) {
            return { "idd": id, "customer": customer, "intent": depth }
        })
        if (!sortField || sortField === "default")
            return rows
        var direction = descending ? -1 : 1
        rows.sort(function (a, b) {
            var x = a.customer[sortField]
            var y = b.customer[sortField]
            if (x < y)
                return -direction
            if (x > y)
                return direction
            return a.idd - b.idd
        })
        return rows
    }

    function createNewLocalEntity(properties, owner) {
        return localCustomer.createObject(owner || null, properties || {})
    }

    Component {
        id: localCustomer
        Customer {}
    }
}
