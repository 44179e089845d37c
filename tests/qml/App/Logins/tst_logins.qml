import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Logins 1.0
import App.Managers 1.0
import KestrumTest 1.0

// Login records on the wire: what the serializer reads and what the two calls post.
TestCase {
    id: testCase
    name: "Logins"

    ScriptedServer { id: server }

    Component {
        id: loginComponent
        Login {}
    }

    function initTestCase() {
        verify(server.start())
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-9"
    }

    function test_serializerReadsTheWireKeys_data() {
        return [
            { tag: "full", json: { "id": 12, "userId": 7, "method": "login-password", "data": { "login": "a@b.cd" } },
              idd: "12", userId: 7, method: "login-password", login: "a@b.cd" },
            { tag: "text id", json: { "id": "x-1", "userId": 3 }, idd: "x-1", userId: 3, method: "", login: undefined },
            { tag: "absent keys", json: {}, idd: "", userId: -1, method: "", login: undefined },
            { tag: "falsy values", json: { "id": 0, "userId": 0, "method": "", "data": null }, idd: "", userId: -1, method: "", login: undefined }
        ]
    }

    function test_serializerReadsTheWireKeys(data) {
        var login = LoginSerializer.createObject(null, { "modelData": data.json })
        compare(login.idd, data.idd)
        compare(login.userId, data.userId)
        compare(login.method, data.method)
        compare(login.data ? login.data.login : undefined, data.login)
        login.destroy()
    }

    function test_addLoginPostsTheRecord() {
        var login = createTemporaryObject(loginComponent, testCase, {
            "userId": 7, "method": "login-password", "data": { "login": "a@b.cd", "password": "12345678" }
        })
        var add = LoginsDictionary.manager.addLogin
        add.login = login
        server.enqueue(200, '{"status":0,"result":{"id":5,"userId":7,"method":"login-password","data":{"login":"a@b.cd"}}}')
        add.invoke()
        tryCompare(server, "requestCount", 1, 3000)
        var request = server.requests[0]
        compare(request.path, "/QuillonService.svc/addLogin")
        compare(JSON.parse(request.body), {
            "sessionToken": "tok-9",
            "login": { "id": "", "userId": 7, "method": "login-password", "data": { "login": "a@b.cd", "password": "12345678" } }
        })
    }

    function test_listLoginsAsksForPasswordLoginsOfTheUser() {
        var list = LoginsDictionary.manager.listLogins
        var before = server.requestCount
        list.userId = 7
        server.enqueue(200, '{"status":0,"result":{"items":[{"id":1,"userId":7,"method":"login-password","data":{"login":"a@b.cd"}}]}}')
        list.invoke()
        tryCompare(server, "requestCount", before + 1, 3000)
        var request = server.requests[before]
        compare(request.path, "/QuillonService.svc/listLogins")
        compare(JSON.parse(request.body), { "sessionToken": "tok-9", "filter": { "userId": 7, "method": "login-password" } })
        tryVerify(function () { return list.result && list.result.length === 1 }, 3000)
        compare(list.result[0].data.login, "a@b.cd")
    }
}
