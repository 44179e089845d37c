import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tags 1.0
import KestrumTest 1.0

// The service components, the authentication manager and the tags module against the real
// reference service.
TestCase {
    id: testCase
    name: "ReferenceService"

    ReferenceService { id: service }

    Component {
        id: credentialsComponent
        LoginCredentials {}
    }

    Component {
        id: listComponent
        CollectionService {
            baseUrl: Endpoints.serviceUri
            method: "listTags"
            collectionProperty: "result.items"
            idProperty: "idd"
            delegate: TagSerializer
            manual: true
        }
    }

    SignalSpies {
        id: spies
    }

    function spyOn(target, signalName) {
        return spies.spyOn(target, signalName)
    }

    function cleanup() {
        spies.clear()
    }

    function login(name, password) {
        var authorized = spyOn(AuthManager, "authorized")
        var failed = spyOn(AuthManager, "authorizationError")
        AuthManager.login(createTemporaryObject(credentialsComponent, testCase, { "login": name, "password": password }))
        tryVerify(function () { return authorized.count + failed.count > 0 }, 10000)
        return authorized.count === 1
    }

    function invokeAndWait(component) {
        var ok = spyOn(component, "invokedOk")
        var failed = spyOn(component, "invokedFail")
        component.invoke()
        tryVerify(function () { return ok.count + failed.count > 0 }, 10000)
        return failed.count ? failed.signalArguments[0][0] : ""
    }

    function initTestCase() {
        if (!service.available)
            return
        verify(service.start(), "the reference service did not start")
        Endpoints.serviceUri = service.serviceUri
    }

    // A skip in initTestCase would not stop the test functions, which would then call the
    // configured production service.
    function init() {
        if (!service.available)
            skip("the build has no reference service")
        if (AuthManager.currentLoginInfo.sessionToken)
            AuthManager.logoff()
    }

    function test_wrongPasswordIsDenied() {
        var failed = spyOn(AuthManager, "authorizationError")
        verify(!login("admin@example.com", "not-the-password"))
        compare(failed.signalArguments[0][0], "Access denied!")
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Error)
    }

    function test_passwordAndStoredTokenLogin() {
        AuthManager.rememberSession = true
        verify(login("admin@example.com", "demo-admin-2026"))
        compare(AuthManager.currentLoginInfo.role, Role.Administrator)
        verify(AuthManager.currentLoginInfo.sessionToken.length > 0)
        verify(!isNaN(AuthManager.currentLoginInfo.createdAt.getTime()))
        var stored = JSON.parse(AuthManager.stringLoginInfo)
        compare(stored.sessionToken, AuthManager.loginInfo.sessionToken)

        // A new run: the own login comes back from the stored text, the context is empty.
        var token = AuthManager.loginInfo.sessionToken
        var text = AuthManager.stringLoginInfo
        AuthManager.currentLoginInfo.logoff()
        AuthManager.loginInfo.logoff()
        AuthManager.stringLoginInfo = ""
        AuthManager.stringLoginInfo = text
        compare(AuthManager.loginInfo.sessionToken, token)
        var authorized = spyOn(AuthManager, "authorized")
        AuthManager.login(createTemporaryObject(credentialsComponent, testCase,
                                                { "method": "sessionToken", "sessionToken": token }))
        authorized.wait(10000)
        compare(AuthManager.currentLoginInfo.sessionToken, token)
        compare(AuthManager.currentLoginInfo.status, LoginInfo.Authorized)
    }

    function test_tagsRoundTrip() {
        verify(login("admin@example.com", "demo-admin-2026"))
        var manager = TagsDictionary.manager
        tryVerify(function () { return manager.listTags.result !== null && manager.listTags.result.length > 0 }, 10000)
        var count = manager.listTags.result.length
        var root = manager.listTags.result.filter(function (tag) { return tag.parentId === 0 })[0]

        var tag = manager.createNewLocalEntity({ "name": "Test child tag", "parentId": root.idd })
        manager.createTag.tag = tag
        compare(invokeAndWait(manager.createTag), "")
        var created = manager.createTag.result
        verify(created.idd > 0)
        compare(created.name, "Test child tag")
        tryVerify(function () { return manager.listTags.result.length === count + 1 }, 10000)
        var listed = manager.listTags.resultIndex[created.idd]
        compare(manager.findTagParent(listed).idd, root.idd)
        compare(manager.tagIntent(listed), 1)

        listed.name = "Renamed child tag"
        manager.updateTag.tag = listed
        compare(invokeAndWait(manager.updateTag), "")
        tryVerify(function () {
            var index = manager.listTags.resultIndex
            return index[created.idd] && index[created.idd].name === "Renamed child tag"
        }, 10000)

        manager.deleteTag.tag = manager.listTags.resultIndex[created.idd]
        compare(invokeAndWait(manager.deleteTag), "")
        tryVerify(function () { return manager.listTags.result.length === count }, 10000)
    }

    function test_loggedOffTokenIsRefused() {
        verify(login("technician@example.com", "demo-tech-2026"))
        var token = AuthManager.currentLoginInfo.sessionToken
        var list = createTemporaryObject(listComponent, testCase, { "bodyParams": { "sessionToken": token } })
        compare(invokeAndWait(list), "")
        verify(list.result.length > 0)
        AuthManager.logoff()
        wait(300)
        compare(invokeAndWait(list), "Session expired! Please, log in again.")
        compare(list.status, "2")
    }
}
