import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Managers 1.0
import App.Users 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "Users"

    ScriptedServer { id: server }

    Component {
        id: filterComponent
        UserFilter {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        server.setPathResponse("/QuillonService.svc/listRolesAllowedToCreate", 200, '{"status":0,"result":[1,2,3,4,5,0]}')
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
    }

    function requestsTo(path) {
        return server.requests.filter(function (request) { return request.path === path })
    }

    function test_filterJson_data() {
        return [
            { tag: "defaults", change: {}, text: '{"ids":null,"customerId":0,"name":null,"roles":null,"includeServants":true,"disabled":false,"archived":false}' },
            { tag: "show archived and disabled", change: { "archived": undefined, "disabled": undefined },
              text: '{"ids":null,"customerId":0,"name":null,"roles":null,"includeServants":true}' },
            { tag: "criteria", change: { "ids": [3], "customerId": 7, "name": "ann", "roles": [0, 5], "includeServants": false },
              text: '{"ids":[3],"customerId":7,"name":"ann","roles":[0,5],"includeServants":false,"disabled":false,"archived":false}' }
        ]
    }

    function test_filterJson(data) {
        var filter = createTemporaryObject(filterComponent, testCase)
        var changes = createTemporaryObject(spyComponent, testCase, { "target": filter, "signalName": "filterChanged" })
        for (var key in data.change)
            filter[key] = data.change[key]
        // Reported at once, one per criterion.
        compare(changes.count, Object.keys(data.change).length)
        compare(JSON.stringify(UserFilterDeserializer.jsonEntity(filter)), data.text)
        filter.reset()
        compare(JSON.stringify(UserFilterDeserializer.jsonEntity(filter)), test_filterJson_data()[0].text)
    }

    function test_serializers() {
        var user = UserSerializer.createObject(testCase, { "modelData": { "id": 5, "n": "Ann", "r": 1, "cId": 9, "bIn": true, "l": [{ "data": { "login": "ann" } }] } })
        compare(JSON.stringify(UserDeserializer.jsonEntity(user)), '{"id":5,"n":"Ann","cId":9,"r":1,"bIn":true,"d":false,"a":false}')
        compare(user.logins[0].data.login, "ann")
        var empty = UserSerializer.createObject(testCase, { "modelData": {} })
        compare(empty.idd, -1)
        compare(empty.logins, [])
        compare(RoleSerializer.createObject(testCase, { "modelData": 3 }).name, "Device")
        compare(RoleSerializer.createObject(testCase, { "modelData": 0 }).name, "God")
        compare(RoleSerializer.createObject(testCase, {}).name, "Unknown")
    }

    function test_dictionary() {
        // Nothing is asked before there is a session.
        var dictionary = UsersDictionary
        // Past the services' 5 ms debounce, the only thing between a dictionary and a request.
        TimerSentinel.waitPast(100)
        compare(server.requestCount, 0)
        AuthManager.currentLoginInfo.sessionToken = "tok-users"
        tryVerify(function () { return dictionary.createableRoles.length > 0 }, 2000)
        compare(dictionary.createableRoles.map(function (role) { return role.idd }), [1, 5])
        // The dictionary's list runs by itself and follows its filter.
        tryVerify(function () { return requestsTo("/QuillonService.svc/listUsers").length > 0 }, 2000)
        dictionary.filter.archived = undefined
        tryVerify(function () {
            var asked = requestsTo("/QuillonService.svc/listUsers").pop()
            return asked.body.indexOf('"archived"') < 0
        }, 2000)
        AuthManager.loggedOff()
        compare(dictionary.filter.archived, false)
        wait(100)
        // Every finished change of a user lists again, failures included.
        var lists = requestsTo("/QuillonService.svc/listUsers").length
        server.enqueue(200, '{"status":3,"result":null}')
        dictionary.manager.updateUser.user = dictionary.manager.createNewLocalEntity({ "idd": 5, "name": "Ann" }, testCase)
        dictionary.manager.updateUser.invoke()
        tryVerify(function () { return requestsTo("/QuillonService.svc/listUsers").length === lists + 1 }, 2000)
    }
}
