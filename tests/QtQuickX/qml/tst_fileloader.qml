import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "FileLoader"

    ScriptedServer { id: server }

    Component {
        id: loaderComponent
        FileLoader {
            manual: true
            requestMethod: "POST"
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { "target": target, "signalName": signalName })
    }

    function makeLoader(properties) {
        return createTemporaryObject(loaderComponent, testCase, properties || {})
    }

    function initTestCase() {
        verify(server.start())
    }

    function test_remoteFailureWithoutStatus_data() {
        return [
            { tag: "connection refused", source: "http://127.0.0.1:1/svc/method" },
            { tag: "connection dropped", source: "", drop: true }
        ]
    }

    function test_remoteFailureWithoutStatus(data) {
        // The network stack tries a dropped request again before it gives up.
        if (data.drop)
            server.setDefaultResponse(200, "{}", 0, true)
        var loader = makeLoader({ "source": data.source || server.url + "/svc/drop" })
        var ok = spyOn(loader, "readyAndOk")
        var failed = spyOn(loader, "error")
        loader.reload()
        failed.wait(5000)
        server.setDefaultResponse(200, "")
        compare(ok.count, 0)
        compare(loader.status, 0)
        verify(!loader.isReadyAndOk)
        verify(!loader.isLoading)
    }

    function test_resourceIsRead() {
        var loader = makeLoader({ "source": "qrc:///App/Constants/qmldir", "requestMethod": "GET" })
        var ok = spyOn(loader, "readyAndOk")
        loader.reload()
        ok.wait(2000)
        verify(loader.isReadyAndOk)
        verify(loader.result.indexOf("module App.Constants") === 0)
    }

    function test_httpErrorKeepsTheAnswer() {
        server.enqueue(500, "{\"status\":1}")
        var loader = makeLoader({ "source": server.url + "/svc/fails" })
        var failed = spyOn(loader, "error")
        loader.reload()
        failed.wait(2000)
        compare(loader.status, 500)
        compare(loader.result, "{\"status\":1}")
        verify(!loader.isReadyAndOk)
    }

    function test_timeOutAbandonsTheRequest() {
        server.enqueue(200, "{\"late\":true}", 800)
        var loader = makeLoader({ "source": server.url + "/svc/slow", "timeOutInterval": 150 })
        var ok = spyOn(loader, "readyAndOk")
        var timedOut = spyOn(loader, "timeOut")
        loader.reload()
        verify(loader.isLoading)
        timedOut.wait(2000)
        verify(!loader.isLoading)
        // The server answers 800 ms after the request from this process's own event loop, so
        // its answer is sent after this sentinel at the latest; its arrival through the socket is
        // not ordered, but the abandoned request is closed, so nothing is there to arrive.
        TimerSentinel.waitPast(900)
        compare(ok.count, 0)
        compare(loader.result, "")
    }

    function test_newLoadReplacesOrJoinsTheOutstandingOne_data() {
        return [
            { tag: "single request", concurrent: false, answers: 1, last: "second" },
            { tag: "side by side", concurrent: true, answers: 2, last: "first" }
        ]
    }

    function test_newLoadReplacesOrJoinsTheOutstandingOne(data) {
        server.enqueue(200, "first", 400)
        server.enqueue(200, "second", 50)
        var loader = makeLoader({ "source": server.url + "/svc/twice", "concurrent": data.concurrent })
        var ok = spyOn(loader, "readyAndOk")
        var before = server.requestCount
        loader.reload()
        tryCompare(server, "requestCount", before + 1)
        loader.reload()
        tryCompare(server, "requestCount", before + 2)
        tryCompare(ok, "count", data.answers, 2000)
        // Both answers are sent by then (400 ms at most, from this event loop); a replaced
        // request is aborted, so no late answer can still arrive.
        TimerSentinel.waitPast(500)
        compare(ok.count, data.answers)
        compare(loader.result, data.last)
        verify(!loader.isLoading)
    }

    function test_retryAfterError() {
        server.enqueue(503, "busy")
        server.enqueue(200, "ready")
        var loader = makeLoader({ "source": server.url + "/svc/retry", "retryInterval": 50 })
        var ok = spyOn(loader, "readyAndOk")
        var failed = spyOn(loader, "error")
        loader.reload()
        ok.wait(3000)
        compare(failed.count, 1)
        compare(loader.result, "ready")
    }

    function test_automaticLoadJoinsChanges() {
        var before = server.requestCount
        var loader = makeLoader({
            "source": server.url + "/svc/auto",
            "manual": false,
            "debounceInterval": 50,
            "requestBody": "one"
        })
        var ok = spyOn(loader, "readyAndOk")
        loader.requestBody = "two"
        loader.requestBody = "three"
        ok.wait(2000)
        // Past the debounce interval: a second, unjoined load would have been sent by then.
        TimerSentinel.waitPast(150)
        compare(server.requestCount, before + 1)
        compare(server.requests[before].body, "three")
    }

    function test_disabledLoaderSendsNothing() {
        var before = server.requestCount
        var loader = makeLoader({ "source": server.url + "/svc/off", "enabled": false })
        loader.reload()
        // A disabled loader refuses in reload() itself; the wait lets a wrongly started request
        // reach the server.
        TimerSentinel.waitPast(100)
        compare(server.requestCount, before)
        verify(!loader.isLoading)
    }
}
