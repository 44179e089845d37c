import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tags 1.0
import App.Tasks 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "SharedDevicesFilter"

    ScriptedServer { id: server }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-shared"
    }

    function narrow() {
        var filter = TasksDictionary.devicesFilter
        filter.tagIds = [311]
        filter.onlineOnly = true
        return filter
    }

    function test_deletedTagResetsTheFilter_data() {
        return [
            { tag: "deleted", answer: '{"status":0}' },
            { tag: "refused", answer: '{"status":5}' }
        ]
    }

    // The filter may name the deleted tag, and a refusal may be a tag already gone.
    function test_deletedTagResetsTheFilter(data) {
        var filter = narrow()
        server.enqueue(200, data.answer)
        TagsDictionary.manager.deleteTag.invoke()
        tryCompare(filter, "onlineOnly", undefined, 3000)
        compare(filter.tagIds, [])
    }

    function test_logOffResetsTheFilter() {
        var filter = narrow()
        AuthManager.loggedOff()
        compare(filter.tagIds, [])
        compare(filter.onlineOnly, undefined)
    }
}
