import QtQuick 2.15
import QtTest 1.15
import Datamizer 1.0
import App.Constants 1.0
import App.Tags 1.0
import KestrumTest 1.0
import "qrc:///Datamizer/LogMasking.js" as LogMasking
import "qrc:///Datamizer/DataUtils.js" as DataUtils

TestCase {
    id: testCase
    name: "DatamizerService"

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

    // Invokes the service and waits for its outcome; a null status scripts no answer.
    function answer(service, status, body) {
        if (status !== null)
            server.enqueue(status, body)
        var invoked = spyOn(service, "invoked")
        var failed = spyOn(service, "invokedFail")
        var ok = spyOn(service, "invokedOk")
        service.invoke()
        tryVerify(function () { return ok.count + failed.count > 0 }, 3000)
        return { "invoked": invoked, "failed": failed, "ok": ok }
    }

    function initTestCase() {
        verify(server.start())
    }

    function test_collectionCallWireForm() {
        var body = {
            "sessionToken": "token-1",
            "filter": { "ids": null, "customerId": 0, "includeServants": true },
            "what": "id,n,cId,r,bIn,l"
        }
        var service = makeService(collectionComponent, { "method": "listUsers", "bodyParams": body })
        var before = server.requestCount
        var spies = answer(service, 200, '{"status":0,"result":{"items":[{"id":3,"n":"a"},{"id":7,"n":"b"}]}}')
        var request = server.requests[before]
        compare(request.method, "POST")
        compare(request.path, "/QuillonService.svc/listUsers")
        compare(request.headers["content-type"].split(";")[0], "application/json")
        compare(request.body, JSON.stringify(body))
        compare(spies.invoked.count, 1)
        compare(spies.ok.count, 1)
        compare(service.status, "0")
        compare(service.result.length, 2)
        compare(service.result[1].name, "b")
        compare(service.resultIndex[7], service.result[1])
        compare(service.resultIndex[3].name, "a")
    }

    function test_defaultBodyIsEmptyObject() {
        var service = makeService(collectionComponent)
        service.bodyParams = ({})
        var before = server.requestCount
        answer(service, 200, '{"status":0}')
        compare(server.requests[before].body, "{}")
    }

    function test_statusReasons_data() {
        return [
            { tag: "Error", status: 1, reason: Strings.unknownError },
            { tag: "Unauthentificated", status: 2, reason: "Session expired! Please, log in again." },
            { tag: "NoRights", status: 3, reason: "Access denied! You don't have rights for this action." },
            { tag: "AlreadyExists", status: 4, reason: "Already exists!" },
            { tag: "NotFound", status: 5, reason: "Not found!" },
            { tag: "InvalidArgument", status: 6, reason: "Invalid argument!" },
            { tag: "WrongContext", status: 7, reason: "Wrong context!" }
        ]
    }

    function test_statusReasons(data) {
        var service = makeService(collectionComponent)
        var spies = answer(service, 200, JSON.stringify({ "status": data.status, "result": null }))
        compare(spies.invoked.count, 1)
        compare(spies.ok.count, 0)
        compare(spies.failed.count, 1)
        compare(spies.failed.signalArguments[0][0], data.reason)
        verify(service.hasErrors())
        compare(service.result, null)
    }

    // Only the number 0 is success: a missing or unknown status is a failure.
    function test_statusesAndTheirOutcome_data() {
        return [
            { tag: "ok", body: '{"status":0,"result":{"items":[]}}', ok: true },
            { tag: "no status", body: '{"result":{"items":[]}}', ok: false },
            { tag: "unknown code", body: '{"status":9,"result":{"items":[]}}', ok: false }
        ]
    }

    function test_statusesAndTheirOutcome(data) {
        var service = makeService(collectionComponent)
        var spies = answer(service, 200, data.body)
        compare(spies.ok.count, data.ok ? 1 : 0)
        compare(spies.failed.count, data.ok ? 0 : 1)
        compare(service.hasErrors(), !data.ok)
    }

    function test_reasonOfUnknownCodeIsTheUnknownError() {
        var service = makeService(collectionComponent)
        answer(service, 200, '{"status":12}')
        compare(service.findReason(), Strings.unknownError)
    }

    function test_collectionPaths_data() {
        return [
            { tag: "whole answer", path: "", body: '{"status":0,"result":{"items":[{"id":1}]}}', length: 0 },
            { tag: "falsy step", path: "result.items", body: '{"status":0,"result":null}', length: -1 },
            { tag: "missing step", path: "result.items", body: '{"status":0}', length: -1 },
            { tag: "plain result", path: "result", body: '{"status":0,"result":[{"id":1},{"id":2}]}', length: 2 }
        ]
    }

    function test_collectionPaths(data) {
        var service = makeService(collectionComponent, { "collectionProperty": data.path })
        answer(service, 200, data.body)
        if (data.length < 0) {
            compare(service.result, null)
            compare(service.resultIndex, null)
        } else {
            compare(service.result.length, data.length)
        }
    }

    function test_serializerFallbacks() {
        var service = makeService(collectionComponent)
        answer(service, 200, '{"status":0,"result":{"items":[{"id":4}]}}')
        compare(service.result[0].idd, 4)
        compare(service.result[0].parentId, 0)
        compare(service.result[0].name, "")
    }

    function test_mockupInputBypassesServiceAndDelegate() {
        var mock = [{ "idd": 1, "name": "one" }, null, { "idd": 2, "name": "two" }]
        var service = makeService(collectionComponent, {
            "mockupInput": mock,
            "mockupFilter": function (item) { return item !== null }
        })
        answer(service, 200, '{"status":0,"result":{"items":[{"id":99}]}}')
        compare(service.result.length, 2)
        verify(service.result[0] === mock[0])
        compare(service.resultIndex[2], mock[2])
    }

    function test_automaticServiceReloadsAfterBodyChange() {
        var before = server.requestCount
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        var service = makeService(collectionComponent, {
            "manual": false,
            "debounceInterval": 40,
            "bodyParams": { "sessionToken": "" }
        })
        tryCompare(server, "requestCount", before + 1)
        wait(100)
        service.bodyParams = { "sessionToken": "new-token" }
        tryCompare(server, "requestCount", before + 2)
        compare(JSON.parse(server.requests[before + 1].body).sessionToken, "new-token")
        service.invoke()
        service.invoke()
        tryCompare(server, "requestCount", before + 3)
        // Past the 40 ms debounce: a second, unjoined call would have been sent by then.
        TimerSentinel.waitPast(150)
        compare(server.requestCount, before + 3)
        server.setDefaultResponse(200, "")
    }

    function test_reloadClearsResultWhileLoading() {
        var service = makeService(collectionComponent)
        answer(service, 200, '{"status":0,"result":{"items":[{"id":1}]}}')
        compare(service.result.length, 1)
        server.enqueue(200, '{"status":0,"result":{"items":[{"id":1},{"id":2}]}}', 200)
        service.reload()
        compare(service.result, null)
        compare(service.status, "-1")
        verify(service.isLoading)
        tryCompare(service, "isLoading", false, 2000)
        compare(service.result.length, 2)
    }

    function test_invokeKeepsResultWhileLoading() {
        var service = makeService(collectionComponent)
        answer(service, 200, '{"status":0,"result":{"items":[{"id":1}]}}')
        server.enqueue(200, '{"status":0,"result":{"items":[]}}', 200)
        service.invoke()
        compare(service.result.length, 1)
        tryCompare(service, "isLoading", false, 2000)
        compare(service.result.length, 0)
    }

    function test_transportFailuresFail_data() {
        return [
            { tag: "http error", status: 500, body: '{"status":1}', refused: false, text: "answered HTTP 500" },
            { tag: "no status", status: null, body: "", refused: true, text: "connection refused" }
        ]
    }

    function test_transportFailuresFail(data) {
        var service = makeService(collectionComponent)
        if (data.refused)
            service.baseUrl = "http://127.0.0.1:1/QuillonService.svc"
        var spies = answer(service, data.status, data.body)
        compare(spies.invoked.count, 0)
        compare(spies.ok.count, 0)
        var message = spies.failed.signalArguments[0][0]
        verify(message.indexOf(data.text) >= 0, message)
    }

    function test_answerThatIsNotJsonFails() {
        var service = makeService(collectionComponent)
        answer(service, 200, '{"status":0,"result":{"items":[{"id":1}]}}')
        var spies = answer(service, 200, "<html>maintenance</html>")
        compare(spies.invoked.count, 1)
        compare(spies.ok.count, 0)
        compare(spies.failed.count, 1)
        compare(service.jsonResult, null)
        compare(service.result, null)
    }

    function test_timeOutFailsWithAMessage() {
        var service = makeService(collectionComponent)
        service.loader.timeOutInterval = 100
        server.enqueue(200, '{"status":0}', 600)
        var invoking = spyOn(service, "invoking")
        var invoked = spyOn(service, "invoked")
        var failed = spyOn(service, "invokedFail")
        service.invoke()
        compare(invoking.count, 1)
        tryCompare(service, "isLoading", false, 1000)
        // The server answers 600 ms on by its own timer, before this sentinel; the timed-out
        // request is closed, so nothing is left to arrive.
        TimerSentinel.waitPast(700)
        compare(invoked.count, 0)
        compare(failed.count, 1)
        verify(failed.signalArguments[0][0].indexOf("did not answer within 0.1 s") >= 0)
    }

    function test_twoQuickCalls_data() {
        return [
            { tag: "replacing", concurrent: false, answers: 1 },
            { tag: "side by side", concurrent: true, answers: 2 }
        ]
    }

    function test_twoQuickCalls(data) {
        var service = makeService(singleComponent, { "concurrent": data.concurrent })
        var ok = spyOn(service, "invokedOk")
        var invoking = spyOn(service, "invoking")
        server.enqueue(200, '{"status":0,"result":{"id":1,"n":"first"}}', 300)
        server.enqueue(200, '{"status":0,"result":{"id":2,"n":"second"}}', 0)
        var before = server.requestCount
        service.invoke()
        tryCompare(server, "requestCount", before + 1)
        service.invoke()
        tryCompare(ok, "count", data.answers, 2000)
        // Both answers are sent by then (300 ms at most, from this event loop); a replaced call
        // is aborted, so no late answer can still arrive.
        TimerSentinel.waitPast(400)
        compare(ok.count, data.answers)
        compare(invoking.count, 2)
    }

    function test_singleResult() {
        var service = makeService(singleComponent)
        answer(service, 200, '{"status":0,"result":{"id":12,"pId":3,"n":"Floor 1"}}')
        compare(service.result.idd, 12)
        compare(service.result.parentId, 3)
        compare(service.result.name, "Floor 1")
        answer(service, 200, '{"status":0,"result":null}')
        compare(service.result, null)
    }

    function test_pagedSlots() {
        var service = makeService(pagedComponent)
        var ready = spyOn(service, "ready")
        verify(service.calculate)
        answer(service, 200, '{"status":0,"result":{"skipped":0,"total":5,"items":[{"id":1},{"id":2}]}}')
        compare(ready.count, 1)
        compare(service.total, 5)
        verify(!service.calculate)
        compare(service.source.length, 5)
        compare(service.source[1].idd, 2)
        compare(service.source[2], null)
        answer(service, 200, '{"status":0,"result":{"skipped":3,"items":[{"id":4},{"id":5}]}}')
        compare(ready.count, 2)
        compare(service.total, 5)
        compare(service.source[0].idd, 1)
        compare(service.source[3].idd, 4)
        compare(service.source[4].idd, 5)
        service.position = 50
        compare(service.skip, 15)
    }

    function test_pagedEmptyCollection() {
        var service = makeService(pagedComponent)
        var ready = spyOn(service, "ready")
        answer(service, 200, '{"status":0,"result":{"skipped":0,"total":0,"items":[]}}')
        compare(ready.count, 1)
        compare(service.source.length, 0)
    }

    function test_pagedPositionInvokesAfterSettling() {
        var service = makeService(pagedComponent)
        server.setDefaultResponse(200, '{"status":0,"result":{"skipped":0,"total":0,"items":[]}}')
        var before = server.requestCount
        service.position = 10
        wait(50)
        service.position = 20
        // Each change reschedules the 300 ms debounce, far beyond these waits even sanitized.
        wait(20)
        compare(server.requestCount, before)
        tryCompare(server, "requestCount", before + 1, 1000)
        server.setDefaultResponse(200, "")
    }

    // A name of megabytes reaches no entity whole, nested texts included; a member named as long
    // keeps 64 KiB with its full size and stays reachable uncut; the answer's text is not kept.
    function test_textsAreCutBeforeTheEntities() {
        var huge = new Array(1024 * 1024 + 1).join("n")
        var longText = new Array(70000 + 1).join("é")
        var service = makeService(collectionComponent, { "longTextKeys": ["v"] })
        var outcome = answer(service, 200, JSON.stringify({ "status": 0, "result": { "items": [
            { "id": 1, "n": huge, "more": [{ "deep": huge }], "v": longText },
            { "id": 2, "n": "short" }] } }))
        compare(outcome.ok.count, 1)
        compare(service.result[0].name, huge.substring(0, 500) + "…")
        compare(service.result[1].name, "short")
        var item = service.jsonResult.result.items[0]
        compare(item.more[0].deep.length, 501)
        compare(item.v, longText.substring(0, 65536) + "… (cut, 140000 bytes)")
        compare(DataUtils.uncutText(item, "v"), longText)
        compare(DataUtils.uncutText(item, "n"), item.n)
        compare(service.loader.result, "")
    }

    // A large answer is read on a worker thread to the same outcome as a small one read in
    // script: texts cut (long ones kept whole on the side), items bounded and counted, and the
    // entities ready, with the service still loading, before the answer is announced.
    function test_largeAnswerReadOffTheGuiThread() {
        var huge = new Array(2000 + 1).join("n")
        var longText = new Array(70000 + 1).join("é")
        var body = JSON.stringify({ "status": 0, "result": { "total": 5, "items": [
            { "id": 1, "n": huge, "more": [{ "deep": huge }], "v": longText },
            null, 7,
            { "id": 2, "n": "short" },
            { "id": 3, "n": "third" },
            { "id": 4, "n": "past the bound" }] } })
        var outcomes = []
        var offThreadAbove = [body.length, 0]
        for (var i = 0; i < offThreadAbove.length; ++i) {
            var service = makeService(collectionComponent, { "longTextKeys": ["v"], "maxItems": 3,
                                                             "offThreadAbove": offThreadAbove[i] })
            var seen = []
            var onOk = function () { seen.push(service.isLoading, service.result ? service.result.length : -1) }
            service.invokedOk.connect(onOk)
            var loadingAfterTransfer = []
            var onTransfer = function () { loadingAfterTransfer.push(service.isLoading) }
            service.loader.readyAndOk.connect(onTransfer)
            var outcome = answer(service, 200, body)
            service.invokedOk.disconnect(onOk)
            service.loader.readyAndOk.disconnect(onTransfer)
            compare(outcome.ok.count, 1)
            compare(seen, [false, 3])
            var item = service.jsonResult.result.items[0]
            outcomes.push({
                "names": service.result.map(function (tag) { return tag.name }),
                "dropped": service.droppedItems,
                "deep": item.more[0].deep,
                "v": item.v,
                "uncut": DataUtils.uncutText(item, "v"),
                "total": service.jsonResult.result.total,
                "loadingAfterTransfer": loadingAfterTransfer
            })
        }
        compare(outcomes[1].names, outcomes[0].names)
        compare(outcomes[1].names[0], huge.substring(0, 500) + "…")
        compare(outcomes[1].dropped, 3)
        compare(outcomes[1].dropped, outcomes[0].dropped)
        compare(outcomes[1].deep, outcomes[0].deep)
        compare(outcomes[1].v, longText.substring(0, 65536) + "… (cut, 140000 bytes)")
        compare(outcomes[1].v, outcomes[0].v)
        compare(outcomes[1].uncut, longText)
        compare(outcomes[1].total, 5)
        // The list still loads while it is read, not only while it is on its way.
        compare(outcomes[0].loadingAfterTransfer, [false])
        compare(outcomes[1].loadingAfterTransfer, [true])
    }

    function test_loggedBodiesHideSecrets() {
        var text = JSON.stringify({
            "sessionToken": "abc123",
            "method": "login-password",
            "data": { "sessionToken": "abc123", "login": "op", "password": "pw", "t": "x" },
            "items": [{ "password": "p2" }]
        })
        var masked = LogMasking.maskedBody(text)
        compare(masked.indexOf("abc123"), -1)
        compare(masked.indexOf("pw"), -1)
        compare(masked.indexOf("p2"), -1)
        var parsed = JSON.parse(masked)
        compare(parsed.data.login, "op")
        compare(parsed.method, "login-password")
        compare(LogMasking.maskedBody("not json with secret"), "<20 bytes>")
    }
}
