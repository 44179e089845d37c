import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Filter 1.0
import App.Managers 1.0
import App.MockupDatasets 1.0
import App.Tags 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "Tags"

    readonly property string tagList: '{"status":0,"result":{"items":['
        + '{"id":10,"pId":0,"n":"Screen Size"},{"id":11,"pId":10,"n":"55"},'
        + '{"id":300,"n":"Infrastructure"},{"id":310,"pId":300,"n":"Blue Campus"},'
        + '{"id":311,"pId":310,"n":"Floor 1"},{"id":999,"pId":77,"n":"Orphan"}]}}'

    ScriptedServer { id: server }

    Component {
        id: managerComponent
        TagsManager {}
    }

    Component {
        id: filterComponent
        TagsFilter {}
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

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, tagList)
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-tags"
        // Lists at once, as the console's dictionary does after a login.
        tryVerify(function () { return TagsDictionary.manager.listTags.result !== null }, 2000)
    }

    function requestsTo(path) {
        return server.requests.filter(function (request) { return request.path === path })
    }

    function listedManager() {
        var manager = createTemporaryObject(managerComponent, testCase)
        tryVerify(function () { return manager.listTags.result !== null && manager.listTags.result.length === 6 }, 2000)
        return manager
    }

    function test_filterSerializer_data() {
        return [
            { tag: "unset", filter: {}, json: '{"ids":null,"includeServants":true}' },
            { tag: "empty ids", filter: { "ids": [], "customerId": 0 }, json: '{"ids":null,"includeServants":true}' },
            { tag: "set", filter: { "ids": [3, 4], "customerId": 8, "includeServants": false },
              json: '{"ids":[3,4],"customerId":8,"includeServants":false}' }
        ]
    }

    function test_filterSerializer(data) {
        var filter = createTemporaryObject(filterComponent, testCase, data.filter)
        compare(JSON.stringify(TagsFilterSerializer.jsonEntity(filter)), data.json)
    }

    function test_filterResetAndDebouncedChange() {
        var filter = createTemporaryObject(filterComponent, testCase, { "ids": [1], "customerId": 3 })
        var changed = spyOn(filter, "filterChanged")
        filter.customerId = 4
        compare(changed.count, 1)
        filter.reset()
        compare(filter.ids, undefined)
        compare(filter.customerId, 0)
        changed.clear()
        filter.filterChangeDebounced()
        filter.filterChangeDebounced()
        filter.filterChangeDebounced()
        compare(changed.count, 0)
        tryCompare(changed, "count", 1)
        // The filter's debounce is a C++ timer of 0 ms: a second change would be due before this.
        TimerSentinel.waitPast(50)
        compare(changed.count, 1)
    }

    function test_serializerAndDeserializer() {
        var tag = TagSerializer.createObject(null, { "modelData": { "id": 5, "pId": 2, "n": "Gen 3" } })
        compare(tag.idd, 5)
        compare(tag.parentId, 2)
        compare(TagDeserializer.jsonEntity(tag), { "id": 5, "n": "Gen 3", "pId": 2 })
        var bare = TagSerializer.createObject(null, { "modelData": null })
        compare(bare.idd, 0)
        compare(bare.parentId, 0)
        compare(bare.name, "")
    }

    function test_automaticListAndTree() {
        var before = requestsTo("/QuillonService.svc/listTags").length
        var manager = listedManager()
        var requests = requestsTo("/QuillonService.svc/listTags")
        compare(requests.length, before + 1)
        compare(requests[requests.length - 1].body, '{"sessionToken":"tok-tags"}')
        var index = manager.listTags.resultIndex
        compare(manager.findTagParent(index[311]), index[310])
        compare(manager.findTagParent(index[10]), null)
        compare(manager.findTagParent(index[999]), null)
        compare(manager.tagIntent(index[311]), 2)
        compare(manager.tagIntent(index[999]), 0)
        compare(manager.sortableTagPath(index[311]), "/Infrastructure::300/Blue Campus::310/Floor 1::311")
    }

    function test_changeBodies() {
        var manager = listedManager()
        var tag = manager.createNewLocalEntity({ "name": "New root tag" }, testCase)
        compare(tag.idd, 0)
        server.enqueue(200, '{"status":0,"result":{"id":501,"pId":0,"n":"New root tag"}}')
        manager.createTag.tag = tag
        manager.createTag.invoke()
        tryVerify(function () { return manager.createTag.result !== null }, 2000)
        compare(manager.createTag.result.idd, 501)
        var created = requestsTo("/QuillonService.svc/addTag")
        compare(created[created.length - 1].body,
                '{"sessionToken":"tok-tags","tag":{"id":0,"n":"New root tag","pId":0}}')

        var deleted = spyOn(manager.deleteTag, "invoked")
        manager.deleteTag.invoke()
        deleted.wait(2000)
        var removals = requestsTo("/QuillonService.svc/deleteTag")
        compare(removals[removals.length - 1].body, '{"sessionToken":"tok-tags","id":""}')
    }

    function test_dictionaryListsAgainAfterChanges_data() {
        return [
            { tag: "create", component: "createTag", answer: '{"status":0,"result":{"id":1}}' },
            { tag: "update failing", component: "updateTag", answer: '{"status":4,"result":null}' },
            { tag: "delete", component: "deleteTag", answer: '{"status":0}' }
        ]
    }

    function test_dictionaryListsAgainAfterChanges(data) {
        var manager = TagsDictionary.manager
        tryVerify(function () { return manager.listTags.result !== null }, 2000)
        wait(50)
        var lists = requestsTo("/QuillonService.svc/listTags").length
        server.enqueue(200, data.answer)
        manager[data.component].invoke()
        tryVerify(function () { return requestsTo("/QuillonService.svc/listTags").length === lists + 1 }, 2000)
    }

    function test_mockupListUsesGivenTags() {
        var mockTags = [{ "idd": 1, "parentId": 0, "name": "Root" }]
        var manager = createTemporaryObject(managerComponent, testCase, { "mockup": true, "mockupTags": mockTags })
        var before = requestsTo("/QuillonService.svc/listTags").length
        // A mockup lists synchronously; a request would need only the services' 5 ms debounce.
        TimerSentinel.waitPast(50)
        compare(requestsTo("/QuillonService.svc/listTags").length, before)
        compare(manager.listTags.result.length, 1)
        compare(manager.listTags.resultIndex[1].name, "Root")
    }

    function test_dictionaryFollowsOfflineSwitch() {
        MockupConfig.useMockupDatasets = true
        verify(TagsDictionary.manager.mockup)
        MockupConfig.useMockupDatasets = false
        verify(!TagsDictionary.manager.mockup)
    }
}
