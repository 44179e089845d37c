import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Devices 1.0
import App.Devices.Ui 1.0
import App.Managers 1.0
import App.Tasks 1.0
import KestrumTest 1.0

Item {
    id: root
    width: 600
    height: 400

    ScriptedServer { id: server }

    Component {
        id: viewComponent
        DeviceTicketsView { anchors.fill: parent }
    }

    Component {
        id: deviceComponent
        Device {}
    }

    TestCase {
        id: testCase
        name: "DeviceTicketsView"
        when: windowShown

        function initTestCase() {
            verify(server.start())
            server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
            Endpoints.serviceUri = server.url + "/QuillonService.svc"
            AuthManager.currentLoginInfo.sessionToken = "tok-device-tickets"
        }

        function ticketLists() {
            return server.requests.filter(function (r) { return r.path === "/QuillonService.svc/listTickets" })
                                  .map(function (r) { return JSON.parse(r.body) })
        }

        function date(ms) {
            return { "DateTime": "/Date(" + ms + ")/", "OffsetMinutes": 0 }
        }

        function test_listsTheDeviceNewestFirst() {
            server.setPathResponse("/QuillonService.svc/listTickets", 200, JSON.stringify({ "status": 0, "result": { "items": [
                { "id": 1, "t": "5", "s": 2, "ea": date(1000) },
                { "id": 2, "t": "3", "s": 0 },
                { "id": 3, "t": "1", "s": 4, "ea": date(3000) }] } }))
            var view = createTemporaryObject(viewComponent, root, { "visible": false })
            view.entity = deviceComponent.createObject(view, { "idd": 70005 })
            // Past the tickets' 500 ms listing debounce, the only thing between a change and a request.
            TimerSentinel.waitPast(600)
            // Hidden, the tab asks nothing.
            var before = ticketLists().length
            compare(before, 0)
            view.visible = true
            tryVerify(function () { return view.tickets.length === 3 }, 3000)
            compare(view.tickets.map(function (t) { return t.idd }), ["3", "1", "2"])
            var filter = ticketLists().pop().filter
            compare([filter.deviceId, filter.includeServants, filter.taskId], [70005, true, null])
            // A task added anywhere lists the device's tickets again.
            var lists = ticketLists().length
            server.setPathResponse("/QuillonService.svc/addTask", 200, '{"status":0,"result":{"id":9}}')
            TasksDictionary.manager.addTask.task = TasksDictionary.manager.createNewLocalEntity({ "type": 5 }, testCase)
            TasksDictionary.manager.addTask.invoke()
            tryVerify(function () { return ticketLists().length > lists }, 3000)
        }
    }
}
