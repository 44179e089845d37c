import QtQuick 2.15
import QtTest 1.15
import App.Customers 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "Customers"

    // Main (4) with East (9) and its child Annex (12); Zulu (2) sorts after Main although listed
    // first; Orphan (30) names a parent that is not listed.
    readonly property string locationList: '{"status":0,"result":{"items":['
        + '{"id":2,"n":"Zulu","d":"zulu.org","oId":0},{"id":4,"n":"Main","oId":0},'
        + '{"id":9,"n":"East","oId":4,"a":true},{"id":12,"n":"Annex","oId":9},'
        + '{"id":30,"n":"Orphan","oId":77},{"id":31,"n":"main","oId":0}]}}'

    ScriptedServer { id: server }

    Component {
        id: managerComponent
        CustomersManager {}
    }

    Component {
        id: filterComponent
        CustomersFilter {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, locationList)
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-customers"
    }

    function requestsTo(method) {
        return server.requests.filter(function (request) {
            return request.path === "/QuillonService.svc/" + method
        })
    }

    function listedManager() {
        var manager = createTemporaryObject(managerComponent, testCase)
        tryVerify(function () { return manager.listCustomers.resultIndex !== null }, 2000)
        return manager
    }

    function test_filterJson_data() {
        return [
            { tag: "defaults", change: {},
              text: '{"ids":null,"name":null,"domain":null,"ownerId":null,"includeServants":true,"archived":false}' },
            { tag: "flags left out", change: { "archived": undefined, "includeServants": undefined },
              text: '{"ids":null,"name":null,"domain":null,"ownerId":null}' },
            { tag: "empty texts and lists", change: { "ids": [], "name": "", "domain": "" },
              text: '{"ids":null,"name":null,"domain":null,"ownerId":null,"includeServants":true,"archived":false}' },
            { tag: "criteria", change: { "ids": [4, 9], "name": "Ma", "domain": ".org", "ownerId": 0, "includeServants": false, "archived": true },
              text: '{"ids":[4,9],"name":"Ma","domain":".org","ownerId":0,"includeServants":false,"archived":true}' }
        ]
    }

    function test_filterJson(data) {
        var filter = createTemporaryObject(filterComponent, testCase)
        var changes = createTemporaryObject(spyComponent, testCase, { "target": filter, "signalName": "filterChanged" })
        for (var key in data.change)
            filter[key] = data.change[key]
        compare(changes.count, Object.keys(data.change).length)
        compare(JSON.stringify(CustomersFilterDeserializer.jsonEntity(filter)), data.text)
        filter.reset()
        compare(JSON.stringify(CustomersFilterDeserializer.jsonEntity(filter)), test_filterJson_data()[0].text)
    }

    // A location's name proposes a host name: no spaces, accents, capitals or stray hyphens.
    function test_domainProposal() {
        compare(DomainProposal.fromName("Tour Annex"), "tour-annex.org")
        compare(DomainProposal.fromName("  St. Mary's -- Café / Süd  "), "st-mary-s-cafe-sud.org")
        compare(DomainProposal.fromName("?!"), "")
        var label = DomainProposal.fromName(new Array(40).join("ab ")).split(".")[0]
        verify(label.length <= 63 && label.charAt(label.length - 1) !== "-", label)
    }

    // The owner is read from "oId" and written as "oid"; a stray "oid" in an answer is no owner.
    function test_ownerKeys() {
        var read = CustomerSerializer.createObject(testCase, { "modelData": { "id": 9, "n": "East", "d": "e.org", "oId": 4, "a": true } })
        compare(JSON.stringify(CustomerDeserializer.jsonEntity(read)), '{"id":9,"n":"East","d":"e.org","oid":4,"a":true}')
        compare(CustomerSerializer.createObject(testCase, { "modelData": { "id": 9, "oid": 4 } }).ownerId, 0)
        var empty = CustomerSerializer.createObject(testCase, { "modelData": {} })
        compare([empty.idd, empty.name, empty.domain, empty.ownerId, empty.archived], [-1, "", "", 0, false])

        var copy = CustomerDeserializer.clone(read)
        verify(copy !== read)
        compare(JSON.stringify(CustomerDeserializer.jsonEntity(copy)), JSON.stringify(CustomerDeserializer.jsonEntity(read)))
        copy.name = "Changed"
        compare(read.name, "East")
        copy.destroy()
    }

    function test_listRequest() {
        var manager = listedManager()
        var body = JSON.parse(requestsTo("listCustomers").pop().body)
        compare(body.sessionToken, "tok-customers")
        compare(body.what, "id, n, d, oId, a")
        compare(body.filter.archived, false)
        // The list follows its filter by itself.
        var before = requestsTo("listCustomers").length
        manager.filter.archived = undefined
        tryVerify(function () { return requestsTo("listCustomers").length > before }, 2000)
        verify(requestsTo("listCustomers").pop().body.indexOf('"archived"') < 0)
    }

    function test_treeHelpers() {
        var manager = listedManager()
        var index = manager.listCustomers.resultIndex
        compare(manager.findCustomerParent(index[12]).idd, 9)
        compare(manager.findCustomerParent(index[4]), null)
        compare(manager.findCustomerParent(index[30]), null)
        compare(manager.customerIntent(index[12]), 2)
        compare(manager.customerIntent(index[30]), 0)
        compare(manager.sortableCustomerPath(index[9]), "/Main::4/East::9")
        compare(manager.sortableCustomerPath(index[30]), "/Orphan::30")
        compare(Object.keys(manager.customerSubtreeIds(index[9])).sort(), ["12", "9"])
    }

    function test_treeOrder() {
        var manager = listedManager()
        var rows = manager.orderedRows("default", false)
        var names = rows.map(function (row) { return row.customer.name })
        // Each location directly after its parent, whatever the names of other roots.
        compare(names.indexOf("East"), names.indexOf("Main") + 1)
        compare(names.indexOf("Annex"), names.indexOf("East") + 1)
        verify(names.indexOf("Zulu") > names.indexOf("Annex"))
        compare(rows.map(function (row) { return row.intent }), names.map(function (name) {
            return { "East": 1, "Annex": 2 }[name] || 0
        }))
        // The direction has no effect on the tree.
        compare(manager.orderedRows("default", true).map(function (row) { return row.idd }),
                rows.map(function (row) { return row.idd }))

        var byName = manager.orderedRows("name", false).map(function (row) { return row.idd })
        var byNameDescending = manager.orderedRows("name", true).map(function (row) { return row.idd })
        compare(byNameDescending, byName.slice().reverse())
        compare(manager.orderedRows("archived", true)[0].idd, 9)
    }

    // Names that differ only by the path's separators keep each child under its own parent.
    function test_treeOrderSeparatorNames() {
        server.enqueue(200, '{"status":0,"result":{"items":['
            + '{"id":4,"n":"Main","oId":0},{"id":40,"n":"Main","oId":0},'
            + '{"id":7,"n":"0x","oId":4},{"id":5,"n":"Main:","oId":0},{"id":8,"n":"A","oId":5}]}}')
        var manager = listedManager()
        var rows = manager.orderedRows("default", false)
        for (var i = 0; i < rows.length; ++i) {
            var parentId = rows[i].customer.ownerId
            if (!parentId)
                continue
            var parentRow = rows.findIndex(function (row) { return row.idd === parentId })
            verify(parentRow >= 0 && parentRow < i, rows[i].customer.name)
            for (var between = parentRow + 1; between < i; ++between)
                verify(rows[between].intent > rows[parentRow].intent, rows[i].customer.name)
        }
    }

    // A broken answer whose owners run in a circle must not hang the screen.
    function test_ownerCycle() {
        server.enqueue(200, '{"status":0,"result":{"items":[{"id":1,"n":"A","oId":2},{"id":2,"n":"B","oId":1}]}}')
        var manager = listedManager()
        var index = manager.listCustomers.resultIndex
        compare(manager.customerIntent(index[1]), 1)
        compare(manager.sortableCustomerPath(index[1]), "/B::2/A::1")
        compare(manager.orderedRows("default", false).length, 2)
    }

    // An owner chain as deep as the list, each location below the one before, listed bottom up.
    function test_deepOwnerChain() {
        var items = []
        for (var id = 10000; id >= 1; --id)
            items.push({ "id": id, "n": "Location " + id, "oId": id - 1 })
        server.enqueue(200, JSON.stringify({ "status": 0, "result": { "items": items } }))
        var manager = listedManager()
        var rows = manager.orderedRows("default", false)
        compare(rows.length, 10000)
        compare(rows[0].idd, 1)
        compare(rows[9999].idd, 10000)
        compare(rows[9999].intent, 9999)
        compare(Object.keys(manager.customerSubtreeIds(manager.listCustomers.resultIndex[1])).length, 10000)
    }

    function test_dictionaryListsAgainAfterAStoredChange() {
        var manager = CustomersDictionary.manager
        tryVerify(function () { return manager.listCustomers.resultIndex !== null }, 2000)
        var lists = requestsTo("listCustomers").length
        server.enqueue(200, '{"status":0,"result":{"id":50,"n":"New","oId":4}}')
        manager.addCustomer.customer = manager.createNewLocalEntity({ "idd": 0, "name": "New", "ownerId": 4 }, testCase)
        manager.addCustomer.invoke()
        tryVerify(function () { return requestsTo("listCustomers").length === lists + 1 }, 2000)
        compare(JSON.parse(requestsTo("addCustomer").pop().body).customer,
                { "id": 0, "n": "New", "d": "", "oid": 4, "a": false })
        compare(manager.addCustomer.result.idd, 50)

        CustomersDictionary.filter.archived = undefined
        tryVerify(function () { return requestsTo("listCustomers").pop().body.indexOf('"archived"') < 0 }, 2000)
        AuthManager.loggedOff()
        compare(CustomersDictionary.filter.archived, false)
        tryVerify(function () { return requestsTo("listCustomers").pop().body.indexOf('"archived":false') >= 0 }, 2000)
    }
}
