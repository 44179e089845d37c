import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0
import KestrumTest 1.0

// FileLoader against a server that misbehaves on purpose: answers too large to read, bodies
// that never end, redirects elsewhere, error pages that echo secrets.
TestCase {
    id: testCase
    name: "FileLoaderBounds"

    ScriptedServer { id: server }
    ScriptedServer { id: elsewhere }
    MessageLog { id: messageLog }

    Component {
        id: loaderComponent
        FileLoader {
            manual: true
            requestMethod: "POST"
            requestHeaders: ({ "Content-Type": "application/json" })
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
        verify(elsewhere.start())
    }

    function cleanup() {
        server.clearPathResponses()
        elsewhere.clearPathResponses()
        messageLog.stop()
        messageLog.clear()
    }

    function test_answerLargerThanTheBoundIsNotRead_data() {
        var MiB = 1024 * 1024
        return [
            { tag: "declared length", bound: MiB, size: 3 * MiB, omitLength: false, text: "1 MiB" },
            { tag: "length not declared", bound: MiB, size: 3 * MiB, omitLength: true, text: "1 MiB" },
            { tag: "default bound", bound: 0, size: 33 * MiB, omitLength: false, text: "32 MiB" }
        ]
    }

    function test_answerLargerThanTheBoundIsNotRead(data) {
        server.setPathAnswer("/svc/huge", {
            "prefix": '{"status":0,"result":{"n":"', "unit": "x", "count": data.size, "suffix": '"}}',
            "omitContentLength": data.omitLength
        })
        var properties = { "source": server.url + "/svc/huge", "requestBody": "{}" }
        if (data.bound)
            properties.maxResultSize = data.bound
        var loader = makeLoader(properties)
        var ok = spyOn(loader, "readyAndOk")
        var failed = spyOn(loader, "error")
        loader.reload()
        failed.wait(10000)
        compare(ok.count, 0)
        compare(loader.result, "")
        verify(!loader.isLoading)
        verify(loader.errorString.indexOf("larger than " + data.text) >= 0, loader.errorString)
    }

    function test_answerWithinTheBoundIsRead() {
        server.setPathAnswer("/svc/large", { "prefix": '"', "unit": "y", "count": 500000, "suffix": '"' })
        var loader = makeLoader({ "source": server.url + "/svc/large", "maxResultSize": 600000 })
        var ok = spyOn(loader, "readyAndOk")
        loader.reload()
        ok.wait(5000)
        compare(loader.result.length, 500002)
        compare(loader.errorString, "")
    }

    // A large answer becomes text off the GUI thread: whole, and right across multi-byte characters.
    function test_largeAnswerIsReadWhole() {
        server.setPathAnswer("/svc/large", { "prefix": '"', "unit": "é€", "count": 600000, "suffix": '"' })
        var loader = makeLoader({ "source": server.url + "/svc/large" })
        var ok = spyOn(loader, "readyAndOk")
        loader.reload()
        ok.wait(10000)
        compare(loader.result.length, 1200002)
        compare(loader.result.substring(0, 5), '"é€é€')
        compare(loader.result.substring(1199997), 'é€é€"')
        compare(loader.result.indexOf("\ufffd"), -1)
    }

    // Headers arrive at once, the body never ends: the deadline covers the whole exchange.
    function test_stalledBodyFailsAtTheDeadline_data() {
        return [
            { tag: "stalled after the headers", stallAfter: 0 },
            { tag: "stalled within the body", stallAfter: 10 }
        ]
    }

    function test_stalledBodyFailsAtTheDeadline(data) {
        server.setPathAnswer("/svc/stall", { "body": '{"status":0,"result":{}}', "stallAfterBytes": data.stallAfter })
        var loader = makeLoader({ "source": server.url + "/svc/stall", "timeOutInterval": 300 })
        var ok = spyOn(loader, "readyAndOk")
        var timedOut = spyOn(loader, "timeOut")
        loader.reload()
        timedOut.wait(3000)
        verify(!loader.isLoading)
        compare(ok.count, 0)
        compare(loader.errorString, "The service at " + server.url + " did not answer within 0.3 s")
    }

    function test_answerCutShortIsATransportFailure() {
        server.setPathAnswer("/svc/cut", { "body": '{"status":0,"result":{"items":[]}}', "closeAfterBytes": 12 })
        var loader = makeLoader({ "source": server.url + "/svc/cut" })
        var ok = spyOn(loader, "readyAndOk")
        var failed = spyOn(loader, "error")
        loader.reload()
        failed.wait(3000)
        compare(ok.count, 0)
        compare(loader.errorString, "Cannot reach the service at " + server.url
                + ": the answer did not match its declared length (22 bytes missing)")
    }

    function test_redirectIsNotFollowedWithTheBody_data() {
        return [
            { tag: "to another origin", target: "elsewhere", status: 307 },
            { tag: "to another origin, moved", target: "elsewhere", status: 301 },
            { tag: "to itself in a loop", target: "self", status: 308 }
        ]
    }

    function test_redirectIsNotFollowedWithTheBody(data) {
        var target = (data.target === "self" ? server.url : elsewhere.url) + "/svc/login"
        server.setPathAnswer("/svc/login", { "status": data.status, "headers": { "Location": target } })
        elsewhere.setPathAnswer("/svc/login", { "body": '{"status":0,"result":{"t":"stolen"}}' })
        var before = server.requestCount
        var beforeElsewhere = elsewhere.requestCount
        var loader = makeLoader({
            "source": server.url + "/svc/login",
            "requestBody": '{"data":{"login":"op@example.com","password":"secret-pass-1"}}'
        })
        var ok = spyOn(loader, "readyAndOk")
        var failed = spyOn(loader, "error")
        loader.reload()
        failed.wait(3000)
        wait(200)
        compare(ok.count, 0)
        compare(server.requestCount, before + 1)
        compare(elsewhere.requestCount, beforeElsewhere)
        verify(loader.errorString.indexOf("redirected the request to " + target) >= 0, loader.errorString)
    }

    function test_sameOriginRedirectOfAReadIsFollowed() {
        server.setPathAnswer("/store/old.json", { "status": 302, "headers": { "Location": "/store/info.json" } })
        server.setPathAnswer("/store/info.json", { "body": '{"products":[]}' })
        var loader = makeLoader({ "source": server.url + "/store/old.json", "requestMethod": "GET" })
        var ok = spyOn(loader, "readyAndOk")
        loader.reload()
        ok.wait(3000)
        compare(loader.result, '{"products":[]}')
    }

    function test_crossOriginRedirectOfAReadIsNotFollowed() {
        server.setPathAnswer("/store/info.json", { "status": 302, "headers": { "Location": elsewhere.url + "/info.json" } })
        var beforeElsewhere = elsewhere.requestCount
        var loader = makeLoader({ "source": server.url + "/store/info.json", "requestMethod": "GET" })
        var failed = spyOn(loader, "error")
        loader.reload()
        failed.wait(3000)
        compare(elsewhere.requestCount, beforeElsewhere)
        verify(loader.errorString.indexOf("redirected") >= 0, loader.errorString)
    }

    // An error page that echoes the request, and is long: the log keeps a short start of it with
    // no secret in it.
    function test_failedAnswerIsLoggedShortAndMasked_data() {
        return [
            { tag: "echo at the start", lead: 0 },
            // The token begins just before the logged start ends: not even its first part shows.
            { tag: "secret across the cut", lead: 150 }
        ]
    }

    function test_failedAnswerIsLoggedShortAndMasked(data) {
        var password = "Pa55-word-never-logged"
        var token = "tok-4f2a9c0d-never-logged"
        var body = JSON.stringify({ "sessionToken": token, "data": { "login": "op@example.com", "password": password } })
        var echo = new Array(data.lead + 1).join("-") + token + " <html><body>Bad request: "
                + body.replace(/"/g, "&quot;") + " sessionToken=" + token + " " + password + "</body></html>"
        server.setPathAnswer("/svc/echo", { "status": 500, "prefix": echo, "unit": "padding ", "count": 200000 })
        var loader = makeLoader({ "source": server.url + "/svc/echo", "requestBody": body })
        var failed = spyOn(loader, "error")
        messageLog.start()
        loader.reload()
        failed.wait(5000)
        messageLog.stop()
        var logged = messageLog.text
        verify(logged.indexOf("FileLoader error loading") >= 0, logged)
        verify(logged.indexOf(password) < 0, logged)
        verify(logged.indexOf(token) < 0, logged)
        verify(logged.indexOf(token.substring(0, 8)) < 0, logged)
        verify(messageLog.length < 1000, "log grew by " + messageLog.length)
        compare(loader.status, 500)
        verify(loader.errorString.indexOf("answered HTTP 500") >= 0, loader.errorString)
        // Of an error page only its start becomes text.
        compare(loader.result, (echo + new Array(4096).join("padding ")).substring(0, 4096))
    }
}
