import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tickets 1.0
import KestrumTest 1.0
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

TestCase {
    id: testCase
    name: "Tickets"

    ScriptedServer { id: server }

    Component {
        id: filterComponent
        TicketsFilter {}
    }

    Component {
        id: managerComponent
        TicketsManager {}
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
    }

    function requestsTo(method) {
        return server.requests.filter(function (request) {
            return request.path === "/QuillonService.svc/" + method
        })
    }

    function test_serializer() {
        var ticket = TicketSerializer.createObject(testCase, { "modelData": {
            "id": 41, "tid": 7, "did": 70003, "t": "5", "s": 4, "d": '{"message":"hi"}', "dn": "Room 12",
            "r": '{"code":17}', "vf": { "DateTime": "/Date(1640768400000)/", "OffsetMinutes": 180 },
            "sa": { "DateTime": "/Date(1640768460000)/", "OffsetMinutes": 0 }, "ea": 1640768470000
        } })
        compare(ticket.idd, "41")
        compare(ticket.taskId, "7")
        compare(ticket.deviceId, "70003")
        compare(ticket.type, "5")
        compare(ticket.status, 4)
        compare(ticket.taskData, '{"message":"hi"}')
        compare(ticket.deviceName, "Room 12")
        compare(ticket.result, '{"code":17}')
        // Wire dates become the same instants whatever their offset.
        compare(ticket.validFrom.getTime(), 1640768400000)
        compare(ticket.startedAt.getTime(), 1640768460000)
        compare(ticket.executedAt.getTime(), 1640768470000)

        var empty = TicketSerializer.createObject(testCase, { "modelData": { "vf": { "DateTime": "soon" } } })
        compare(empty.idd, "")
        compare(empty.status, 0)
        compare(empty.type, "")
        compare(empty.taskData, "")
        compare(empty.validFrom, null)
        compare(empty.executedAt, null)
    }

    // Task data and answers read as their own fields, one per line; what is no JSON object, or
    // was cut, or nests too deep to walk safely, stays as it came.
    function test_readableData() {
        compare(TaskTexts.readableData('{"message":"Fire drill at 10","image":{"src":""}}'),
                "message: Fire drill at 10\nimage.src: ")
        compare(TaskTexts.readableData('{"t":"08:00:00.000","p":["Monday","Friday"],"e":false,"n":null}'),
                "t: 08:00:00.000\np: Monday, Friday\ne: false\nn: ")
        compare(TaskTexts.readableData('{"steps":[{"cmd":"reboot"},{"cmd":"ls"}]}'),
                "steps[0].cmd: reboot\nsteps[1].cmd: ls")
        compare(TaskTexts.readableData("Rebooted."), "Rebooted.")
        compare(TaskTexts.readableData('{"message":"x… (cut, 99999 bytes)'), '{"message":"x… (cut, 99999 bytes)')
        compare(TaskTexts.readableData("{}"), "{}")
        compare(TaskTexts.readableData(""), "N/A")
        var deep = new Array(5001).join('{"a":') + "1" + new Array(5001).join("}")
        compare(TaskTexts.readableData(deep), deep)
        // Brackets inside texts do not count as nesting.
        compare(TaskTexts.readableData('{"cmd":"echo [[[[[[[[[[[[[[[[[[[[["}'), "cmd: echo [[[[[[[[[[[[[[[[[[[[[")
    }

    // A details view shows the first 16 KiB, with the whole size: the note of a text cut before
    // is kept, a text not cut before gets one.
    function test_shownData() {
        var wide = new Array(20001).join("é")
        compare(TaskTexts.shownData(wide), wide.substring(0, 16384) + "… (cut, 40000 bytes)")
        compare(TaskTexts.shownData(wide + "… (cut, 99999 bytes)"), wide.substring(0, 16384) + "… (cut, 99999 bytes)")
        compare(TaskTexts.shownData("Rebooted."), "Rebooted.")
    }

    function test_filterJson() {
        var filter = createTemporaryObject(filterComponent, testCase)
        var defaults = '{"ids":null,"includeServants":true,"statuses":null,"taskId":null,"deviceId":null,"closedAtMax":null,"closedAtMin":null}'
        compare(JSON.stringify(TicketsFilterSerializer.jsonEntity(filter)), defaults)
        filter.ids = [3, 4]
        filter.includeServants = false
        filter.statuses = [0, 1]
        filter.taskId = 12
        filter.deviceId = 70001
        compare(JSON.stringify(TicketsFilterSerializer.jsonEntity(filter)),
                '{"ids":[3,4],"includeServants":false,"statuses":[0,1],"taskId":12,"deviceId":70001,"closedAtMax":null,"closedAtMin":null}')
        filter.reset()
        compare(JSON.stringify(TicketsFilterSerializer.jsonEntity(filter)), defaults)
    }

    function test_listWaitsForSessionAndDebounces() {
        AuthManager.currentLoginInfo.sessionToken = ""
        var manager = createTemporaryObject(managerComponent, testCase)
        manager.filter.deviceId = 4242
        function requestsTo() {
            return testCase.requestsTo("listTickets").filter(function (request) {
                return JSON.parse(request.body).filter.deviceId === 4242
            })
        }
        // Past the 500 ms listing debounce, the only thing between a change and a request.
        TimerSentinel.waitPast(600)
        compare(requestsTo().length, 0)
        AuthManager.currentLoginInfo.sessionToken = "tok-tickets"
        tryVerify(function () { return requestsTo().length === 1 }, 3000)
        // Moving quickly through five tasks asks once, for the last one.
        for (var task = 1; task <= 5; ++task) {
            manager.filter.taskId = task
            wait(50)
        }
        tryVerify(function () { return requestsTo().length === 2 }, 3000)
        TimerSentinel.waitPast(600)
        compare(requestsTo().length, 2)
        var body = JSON.parse(requestsTo()[1].body)
        compare(body.filter.taskId, 5)
        compare(body.what, "*")
        compare(body.sessionToken, "tok-tickets")
        // A screen without anything to list asks nothing.
        manager.listTicketsEnabled = false
        manager.filter.taskId = 6
        TimerSentinel.waitPast(600)
        compare(requestsTo().length, 2)
    }

    function test_dictionaryListsAgainAfterRestart() {
        AuthManager.currentLoginInfo.sessionToken = "tok-tickets"
        var manager = TicketsDictionary.manager
        manager.filter.taskId = 9
        tryVerify(function () { return !manager.listTickets.isLoading && requestsTo("listTickets").length > 0 }, 3000)
        // Past the listing debounce, so no earlier change lists in between.
        TimerSentinel.waitPast(600)
        var lists = requestsTo("listTickets").length
        server.enqueue(200, '{"status":0,"result":[{"id":5,"s":0},{"id":6,"s":0}]}')
        manager.restartTickets.ticketIds = [5, 6]
        manager.restartTickets.invoke()
        tryVerify(function () { return requestsTo("listTickets").length === lists + 1 }, 3000)
        var restart = JSON.parse(requestsTo("restartTickets")[0].body)
        compare(restart.ticketIds, [5, 6])
        compare(manager.restartTickets.result.map(function (t) { return t.idd }), ["5", "6"])
    }
}
