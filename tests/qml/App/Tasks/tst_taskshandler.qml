import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Managers 1.0
import App.Tasks 1.0
import App.Tasks.TaskEditor 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "TasksHandler"

    ScriptedServer { id: server }

    Component {
        id: handlerComponent
        TasksHandler {
            editing: true
            mainFilter: DevicesFilter {}
            manager: TasksManager {}
            utilityManager: TasksUtilityManager {}
        }
    }

    Component {
        id: surveyComponent
        DevicesFirmwareSurvey {
            filter: DevicesFilter {}
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function devicesAnswer(devices, total) {
        return JSON.stringify({ "status": 0, "result": { "items": devices.map(function (d) {
            return { "id": d[0], "fw": d[1] }
        }), "total": total === undefined ? devices.length : total } })
    }

    function catalogue(rows) {
        return "<softwares>" + rows.map(function (row) {
            return "<software><ver>" + row[1] + "</ver><code>" + row[0] + "</code></software>"
        }).join("") + "</softwares>"
    }

    function initTestCase() {
        verify(server.start())
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        Endpoints.otaUri = server.url + "/ota"
        AuthManager.currentLoginInfo.sessionToken = "tok-handler"
    }

    function init() {
        server.clearPathResponses()
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        server.setPathResponse("/QuillonService.svc/addTask", 200, '{"status":0,"result":{"id":1}}')
    }

    function addTaskBodies() {
        return server.requests.filter(function (request) {
            return request.path === "/QuillonService.svc/addTask"
        }).map(function (request) { return JSON.parse(request.body) })
    }

    function readyHandler(devices, versions) {
        server.setPathResponse("/QuillonService.svc/listDevices", 200, devicesAnswer(devices))
        server.setPathResponse("/ota/upgrade/upgrade.xml", 200, catalogue(versions))
        var handler = createTemporaryObject(handlerComponent, testCase)
        handler.currentDataEditorIndex = 2
        handler.firmwareToTheLatest = true
        tryVerify(function () { return handler.devicesGroupsReady && Object.keys(handler.utilityManager.maxVersions).length > 0 }, 3000)
        return handler
    }

    function test_devicesListedOnlyWhileEditing() {
        server.setPathResponse("/QuillonService.svc/listDevices", 200, devicesAnswer([[1, "AB1000"]], 40))
        var handler = createTemporaryObject(handlerComponent, testCase, { "editing": false })
        handler.currentDataEditorIndex = 2
        handler.mainFilter.anyOfTagIds = [5]
        // Past the filter's and the services' debounces (0 and 5 ms) that would list the devices.
        TimerSentinel.waitPast(300)
        compare(handler.currentDevicesTotal, 0)
        verify(!handler.devicesGroupsReady)
        handler.editing = true
        tryVerify(function () { return handler.currentDevicesTotal === 40 && handler.devicesGroupsReady }, 3000)
    }

    function test_surveyReadsEveryPage() {
        // Answers to the calls of earlier tests are in by now.
        wait(500)
        // The filter finds five devices, two per page.
        var asked = server.requestCount
        server.enqueue(200, devicesAnswer([[1, "AB1000"], [2, "AB1200"]], 5))
        server.enqueue(200, devicesAnswer([[3, "AB0990"], [4, "CD1000"]], 5))
        server.enqueue(200, devicesAnswer([[5, "AB1100"]], 5))
        var survey = createTemporaryObject(surveyComponent, testCase, { "pageSize": 2, "maxVersions": { "AB": "1200" } })
        survey.active = true
        tryVerify(function () { return survey.ready }, 3000)
        compare(survey.deviceCount, 5)
        compare(survey.devicesGroups, { "1200": [1, 3, 5] })
        var pages = server.requests.slice(asked).filter(function (r) { return r.path === "/QuillonService.svc/listDevices" })
                                   .map(function (r) { return JSON.parse(r.body).paging })
        compare(pages, [{ "skip": 0, "take": 2, "calcTotal": true }, { "skip": 2, "take": 2, "calcTotal": true },
                        { "skip": 4, "take": 2, "calcTotal": true }])
    }

    function test_firmwareToTheLatestSendsOneTaskPerVersion() {
        var handler = readyHandler([[1, "AB1000"], [2, "AB1000"], [3, "AB1200"]], [["AB", "1000"], ["AB", "1200"]])
        compare(handler.devicesGroups, { "1200": [1, 2] })
        var sent = addTaskBodies().length
        handler.commit()
        tryVerify(function () { return addTaskBodies().length === sent + 1 }, 3000)
        var body = addTaskBodies().pop()
        compare(body.devicesFilter.ids, [1, 2])
        compare(body.task.t, Tasks.FirmwareUpdate)
        compare(JSON.parse(body.task.d), { "uri": server.url + "/ota", "version": "1200" })
        // Sent: the handler starts over.
        tryVerify(function () { return handler.currentDataEditorIndex === 0 && !handler.useAlternativeFilter }, 3000)
        compare(handler.alternativeFilter.ids, [])
        // Past the handler's 50 ms queue and 100 ms finish debounces that could send again.
        TimerSentinel.waitPast(200)
        compare(addTaskBodies().length, sent + 1)
    }

    function test_largeGroupsAreSplit() {
        var handler = readyHandler([[1, "AB1000"], [2, "AB1000"], [3, "AB1100"], [4, "CD0001"]],
                                   [["AB", "1200"], ["CD", "0002"]])
        handler.maxIdsPerTask = 2
        var sent = addTaskBodies().length
        handler.commit()
        tryVerify(function () { return addTaskBodies().length === sent + 3 }, 3000)
        var targets = addTaskBodies().slice(sent).map(function (body) {
            return JSON.parse(body.task.d).version + ":" + body.devicesFilter.ids.join(",")
        })
        compare(targets.sort(), ["0002:4", "1200:1,2", "1200:3"])
    }

    function test_nothingSentWhenAllAreCurrent() {
        var handler = readyHandler([[1, "AB1200"], [2, "AB1200"]], [["AB", "1200"]])
        var task = handler.currentTask
        var sent = addTaskBodies().length
        handler.commit()
        compare(handler.currentDataEditorIndex, 0)
        verify(handler.currentTask !== task)
        // Past the handler's 50 ms queue and 100 ms finish debounces that could send.
        TimerSentinel.waitPast(300)
        compare(addTaskBodies().length, sent)
    }

    function test_disablePowerManagementQueuesTwoTasksThatBothComplete() {
        // Answers take longer than the 50 ms between the posts.
        server.setPathResponse("/QuillonService.svc/addTask", 200, '{"status":0,"result":{"id":2}}', 300)
        var handler = createTemporaryObject(handlerComponent, testCase)
        handler.dataEditorsModel = [{ "text": "Disable", "type": Tasks.DisablePowerManagement, "page": "" }]
        handler.mainFilter.anyOfTagIds = [7]
        var answers = createTemporaryObject(spyComponent, testCase, { "target": handler.manager.addTask, "signalName": "invokedOk" })
        var sent = addTaskBodies().length
        handler.commit()
        tryVerify(function () { return answers.count === 2 }, 3000)
        var bodies = addTaskBodies().slice(sent)
        compare(bodies.map(function (b) { return b.task.t }), [Tasks.AutoPowerOn, Tasks.AutoPowerOff])
        compare(bodies[0].devicesFilter.anyOfTagsIds, [7])
        compare(bodies[1].devicesFilter.anyOfTagsIds, [7])
        // The shared filter keeps its tags after the handler has reset its own.
        tryVerify(function () { return !handler.useAlternativeFilter }, 3000)
        compare(handler.mainFilter.anyOfTagIds, [7])
    }

    function test_otherTypesSendTheTaskItselfToTheCurrentFilter() {
        server.setPathResponse("/QuillonService.svc/listDevices", 200, devicesAnswer([[1, "AB1000"]], 250))
        var handler = createTemporaryObject(handlerComponent, testCase)
        handler.useAlternativeFilter = true
        handler.alternativeFilter.ids = [70004]
        // The counter shows what the service counts, beyond the first page.
        tryVerify(function () { return handler.currentDevicesTotal === 250 }, 3000)
        handler.currentTask.taskData = '{"message":"hi"}'
        var sent = addTaskBodies().length
        handler.commit()
        tryVerify(function () { return addTaskBodies().length === sent + 1 }, 3000)
        var body = addTaskBodies().pop()
        compare(body.devicesFilter.ids, [70004])
        compare(body.task.t, Tasks.ShowMessage)
        compare(body.task.d, '{"message":"hi"}')
        tryVerify(function () { return !handler.useAlternativeFilter && handler.alternativeFilter.ids.length === 0 }, 3000)
    }

    // A refused task stays as the operator left it; the next accepted one starts afresh.
    function test_refusedTaskKeepsTheInput() {
        server.setPathResponse("/QuillonService.svc/addTask", 200, '{"status":6,"result":null}')
        var handler = createTemporaryObject(handlerComponent, testCase)
        var task = handler.currentTask
        task.taskData = '{"message":"hi"}'
        handler.useAlternativeFilter = true
        handler.alternativeFilter.ids = [70004]
        var answers = createTemporaryObject(spyComponent, testCase, { "target": handler.manager.addTask, "signalName": "invokedFail" })
        handler.commit()
        answers.wait(3000)
        tryVerify(function () { return handler.inputKept }, 3000)
        compare(handler.currentTask, task)
        compare(task.taskData, '{"message":"hi"}')
        verify(handler.useAlternativeFilter)
        compare(handler.alternativeFilter.ids, [70004])

        server.setPathResponse("/QuillonService.svc/addTask", 200, '{"status":0,"result":{"id":3}}')
        handler.commit()
        tryVerify(function () { return handler.currentTask !== task }, 3000)
        verify(!handler.inputKept)
        verify(!handler.useAlternativeFilter)
    }
}
