import QtQuick 2.15
import QtTest 1.15
import Datamizer 1.0
import App.Constants 1.0
import App.Tags 1.0
import KestrumTest 1.0

// What the service components make of answers that are not what they should be: only the
// number 0 is success, a failed answer shows no items, an answer never builds more entities
// than the call can use, and a transport failure or an expired session says so.
TestCase {
    id: testCase
    name: "ServiceOutcome"

    ScriptedServer { id: server }

    Component {
        id: collectionComponent
        CollectionService {
            baseUrl: server.url + "/QuillonService.svc"
            method: "listTags"
            collectionProperty: "result.items"
            idProperty: "idd"
            delegate: TagSerializer
            manual: true
        }
    }

    Component {
        id: singleComponent
        SingleResultService {
            baseUrl: server.url + "/QuillonService.svc"
            method: "addTag"
            delegate: TagSerializer
            manual: true
        }
    }

    Component {
        id: pagedComponent
        PagedCollectionService {
            baseUrl: server.url + "/QuillonService.svc"
            method: "listDevices"
            collectionProperty: "result.items"
            delegate: TagSerializer
            manual: true
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { "target": target, "signalName": signalName })
    }

    function makeService(component, properties) {
        return createTemporaryObject(component, testCase, properties || {})
    }

    function call(service) {
        var failed = spyOn(service, "invokedFail")
        var ok = spyOn(service, "invokedOk")
        service.invoke()
        tryVerify(function () { return ok.count + failed.count > 0 }, 5000)
        return { "failed": failed, "ok": ok }
    }

    function items(count) {
        var list = []
        for (var i = 0; i < count; ++i)
            list.push({ "id": i + 1, "n": "tag " + (i + 1) })
        return list
    }

    function initTestCase() {
        verify(server.start())
    }

    function cleanup() {
        server.clearPathResponses()
    }

    function test_onlyTheNumberZeroIsSuccess_data() {
        return [
            { tag: "unknown status", status: 99, reason: Strings.unknownError },
            { tag: "no status", status: undefined, reason: Strings.answerWithoutStatusError },
            { tag: "status as text", status: "0", reason: Strings.unknownError },
            { tag: "null status", status: null, reason: Strings.answerWithoutStatusError },
            { tag: "fraction", status: 0.5, reason: Strings.unknownError },
            { tag: "refused", status: 3, reason: Strings.norightsError }
        ]
    }

    function test_onlyTheNumberZeroIsSuccess(data) {
        var answer = { "result": { "items": items(2) } }
        if (data.status !== undefined)
            answer.status = data.status
        server.setPathAnswer("/QuillonService.svc/listTags", { "body": JSON.stringify(answer) })
        var service = makeService(collectionComponent)
        var outcome = call(service)
        compare(outcome.ok.count, 0)
        compare(outcome.failed.count, 1)
        compare(outcome.failed.signalArguments[0][0], data.reason)
        compare(service.result, null)
        compare(service.resultIndex, null)
    }

    function test_failedSingleAnswerBuildsNothing() {
        server.setPathAnswer("/QuillonService.svc/addTag", { "body": '{"status":"0","result":{"id":5,"n":"x"}}' })
        var service = makeService(singleComponent)
        var outcome = call(service)
        compare(outcome.failed.count, 1)
        compare(service.result, null)
    }

    function test_unreadableAnswersFail_data() {
        return [
            { tag: "not JSON", body: "<html>oops</html>" },
            { tag: "empty", body: "" },
            { tag: "a list", body: '[{"status":0}]' },
            { tag: "a number", body: "0" }
        ]
    }

    // Read in script, and as a large answer is read, on a worker thread.
    function test_unreadableAnswersFail(data) {
        server.setPathAnswer("/QuillonService.svc/listTags", { "body": data.body })
        var offThreadAbove = [256 * 1024, 0]
        for (var i = 0; i < offThreadAbove.length; ++i) {
            var service = makeService(collectionComponent, { "offThreadAbove": offThreadAbove[i] })
            var outcome = call(service)
            compare(outcome.ok.count, 0)
            verify(outcome.failed.signalArguments[0][0] !== "", "a failure says why")
            compare(service.result, null)
        }
    }

    // A source without a service status (a catalogue file) is read as it is.
    function test_answerWithoutStatusWhenNoneIsRequired() {
        server.setPathAnswer("/QuillonService.svc/listTags", { "body": JSON.stringify({ "products": items(2) }) })
        var service = makeService(collectionComponent, { "statusRequired": false, "collectionProperty": "products" })
        var outcome = call(service)
        compare(outcome.ok.count, 1)
        compare(service.result.length, 2)
    }

    function test_noMoreEntitiesThanTheCallCanUse_data() {
        return [
            { tag: "lookup of one", component: collectionComponent, limit: 1, answered: 5000, built: 1 },
            { tag: "default bound", component: collectionComponent, limit: undefined, answered: 12000, built: 10000 },
            { tag: "page of 100", component: pagedComponent, limit: undefined, answered: 1000, built: 100 }
        ]
    }

    function test_noMoreEntitiesThanTheCallCanUse(data) {
        var answer = { "status": 0, "result": { "items": items(data.answered), "skipped": 0, "total": data.answered } }
        var path = data.component === pagedComponent ? "/QuillonService.svc/listDevices" : "/QuillonService.svc/listTags"
        server.setPathAnswer(path, { "body": JSON.stringify(answer) })
        var properties = {}
        if (data.limit !== undefined)
            properties.maxItems = data.limit
        var service = makeService(data.component, properties)
        var outcome = call(service)
        compare(outcome.ok.count, 1)
        compare(service.result.length, data.built)
        compare(service.droppedItems, data.answered - data.built)
        compare(service.result[0].idd, 1)
    }

    function test_transportFailureSaysWhy_data() {
        return [
            { tag: "refused", base: "http://127.0.0.1:1/QuillonService.svc", text: "Cannot reach the service at http://127.0.0.1:1: connection refused" },
            { tag: "HTTP error", base: "", status: 502, text: "answered HTTP 502" },
            { tag: "stalled", base: "", stall: true, text: "did not answer within 0.4 s" },
            { tag: "too large", base: "", huge: true, text: "larger than 1 KiB" }
        ]
    }

    function test_transportFailureSaysWhy(data) {
        if (data.status)
            server.setPathAnswer("/QuillonService.svc/listTags", { "status": data.status, "body": '{"status":0,"result":{"items":[]}}' })
        if (data.stall)
            server.setPathAnswer("/QuillonService.svc/listTags", { "body": '{"status":0}', "stallAfterBytes": 2 })
        if (data.huge)
            server.setPathAnswer("/QuillonService.svc/listTags", { "prefix": '{"status":0,"result":{"items":[', "unit": '{"id":1},', "count": 500, "suffix": '{}]}}' })
        var properties = { "timeOutInterval": 400, "maxResultSize": 1024 }
        if (data.base)
            properties.baseUrl = data.base
        var service = makeService(collectionComponent, properties)
        var outcome = call(service)
        compare(outcome.ok.count, 0)
        compare(outcome.failed.count, 1)
        var message = outcome.failed.signalArguments[0][0]
        verify(message.indexOf(data.text) >= 0, message)
        compare(service.result, null)
        verify(!service.isLoading)
    }

    function test_expiredSessionIsAnnounced() {
        server.setPathAnswer("/QuillonService.svc/listTags", { "body": '{"status":2,"result":null}' })
        var expired = spyOn(ServiceEvents, "sessionExpired")
        var service = makeService(collectionComponent)
        var outcome = call(service)
        compare(outcome.failed.signalArguments[0][0], Strings.unauthentificatedError)
        compare(expired.count, 1)
        compare(expired.signalArguments[0][0], "listTags")

        server.setPathAnswer("/QuillonService.svc/listTags", { "body": '{"status":3,"result":null}' })
        call(service)
        compare(expired.count, 1)
    }

    function test_itemsThatAreNotObjectsAreLeftOut() {
        server.setPathAnswer("/QuillonService.svc/listTags", { "body": '{"status":0,"result":{"items":[null,{"id":4},7,[],"x",{"id":5}]}}' })
        var service = makeService(collectionComponent)
        compare(call(service).ok.count, 1)
        compare(service.result.map(function (tag) { return tag.idd }), [4, 5])
        compare(service.droppedItems, 4)
    }

    // A list must come as an array; an object claiming a length is none.
    function test_listOfTheWrongShapeFails_data() {
        return [
            { tag: "a text", body: '{"status":0,"result":{"items":"abc"}}' },
            { tag: "array-like", body: '{"status":0,"result":{"items":{"length":3,"0":{"id":1}}}}' },
            { tag: "missing", body: '{"status":0,"result":{}}' }
        ]
    }

    function test_listOfTheWrongShapeFails(data) {
        server.setPathAnswer("/QuillonService.svc/listTags", { "body": data.body })
        var service = makeService(collectionComponent, { "listRequired": true })
        var outcome = call(service)
        compare(outcome.ok.count, 0)
        compare(outcome.failed.signalArguments[0][0], Strings.unreadableAnswerError)
        compare(service.result, null)
    }

    // The last list stays through failures and while the next one loads, within its session only.
    function test_keptListBelongsToItsSession() {
        var service = makeService(collectionComponent, { "keepsResult": true, "bodyParams": { "sessionToken": "a" } })
        server.setPathAnswer("/QuillonService.svc/listTags", { "body": JSON.stringify({ "status": 0, "result": { "items": items(2) } }) })
        call(service)
        var first = service.result
        server.setPathAnswer("/QuillonService.svc/listTags", { "status": 500, "body": "down" })
        compare(call(service).failed.count, 1)
        verify(service.result === first)
        service.reload()
        verify(service.result === first)
        tryVerify(function () { return !service.isLoading }, 3000)
        service.bodyParams = { "sessionToken": "b" }
        compare(service.result, null)
    }
}
