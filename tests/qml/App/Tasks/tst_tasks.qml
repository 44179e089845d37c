import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tasks 1.0
import KestrumTest 1.0
import "qrc:///App/Tasks/FirmwareGroups.js" as FirmwareGroups

TestCase {
    id: testCase
    name: "Tasks"

    ScriptedServer { id: server }

    Component {
        id: managerComponent
        TasksManager {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-tasks"
    }

    function requestsTo(method) {
        return server.requests.filter(function (request) {
            return request.path === "/QuillonService.svc/" + method
        }).map(function (request) { return JSON.parse(request.body) })
    }

    function test_taskJson() {
        var task = TaskSerializer.createObject(testCase, { "modelData": {
            "id": 12, "t": 5, "s": 1, "d": '{"message":"x"}', "dsp": "00:01:00", "sc": 3, "fc": 1, "pc": 2, "cuid": 7,
            "vf": { "DateTime": "/Date(1640768400000)/", "OffsetMinutes": 180 } } })
        compare([task.idd, task.type, task.status, task.succeededCount, task.failedCount, task.pendingCount, task.createdUserId],
                ["12", 5, 1, 3, 1, 2, 7])
        compare(task.validFrom.getTime(), 1640768400000)
        compare(task.validTo, null)
        // Exactly the writable keys; a missing date is left out.
        var json = TaskDeserializer.jsonEntity(task)
        compare(Object.keys(JSON.parse(JSON.stringify(json))).sort(), ["d", "dsp", "t", "vf"])
        verify(/^2021-12-29T\d\d:00:00[+-]\d\d:\d\d$/.test(json.vf))
        var copy = TaskDeserializer.clone(task)
        compare([copy.idd, copy.type, copy.taskData, copy.dispersion, copy.pendingCount], ["12", 5, '{"message":"x"}', "00:01:00", 2])
        copy.taskData = "changed"
        compare(task.taskData, '{"message":"x"}')
    }

    function test_firmwareGroups() {
        function device(id, code, number) {
            return { "idd": id, "firmwareVersionCode": code, "firmwareVersionNumber": number }
        }
        var devices = [device(1, "AB", "1000"), device(2, "AB", "1000"), device(3, "AB", "1200"),
                       device(4, "", "1000"), device(5, "ZZ", "0001"), device(6, "G4", "2010"),
                       device(7, "G4", "990")]
        // Versions of different lengths: 2100 is newer than 990.
        var groups = FirmwareGroups.groups(devices, { "AB": "1200", "G4": "2100" })
        compare(groups, { "1200": [1, 2], "2100": [6, 7] })
        compare(FirmwareGroups.deviceCount(groups), 4)
        compare(FirmwareGroups.groups(devices, { "AB": "1000" }), {})
        compare(FirmwareGroups.groups(devices, {}), {})
    }

    function test_filterJsonAndClear() {
        // Only this manager lists from here on.
        wait(300)
        var before = requestsTo("listTasks").length
        var manager = createTemporaryObject(managerComponent, testCase)
        function lastList() {
            var lists = requestsTo("listTasks").slice(before)
            return lists.length ? lists[lists.length - 1] : { "filter": {} }
        }
        tryVerify(function () { return requestsTo("listTasks").length > before }, 3000)
        var body = lastList()
        compare(body.filter, { "statuses": null, "types": null, "ids": null, "includeServants": true,
                               "closedAtMax": null, "closedAtMin": null })
        compare(body.what, "vf,vt,t,s,d,dsp,sc,fc,pc,cuid,ca,id")
        compare(body.orderBy, ["-,id"])
        manager.filter.statuses = [Tasks.Failed]
        tryVerify(function () { return String(lastList().filter.statuses) === String([Tasks.Failed]) }, 3000)
        // "Clear filters" clears sublocations too; ticking them again asks for them.
        manager.filter.reset()
        tryVerify(function () { return lastList().filter.includeServants === false }, 3000)
        compare(lastList().filter.statuses, null)
        manager.filter.includeServants = true
        tryVerify(function () { return lastList().filter.includeServants === true }, 3000)
    }

    function test_addTaskWithoutTagsTargetsAll() {
        var manager = createTemporaryObject(managerComponent, testCase)
        var before = requestsTo("addTask").length
        manager.addTask.task = manager.createNewLocalEntity({ "type": Tasks.ShowMessage, "taskData": "{}" }, testCase)
        manager.addTask.invoke()
        tryVerify(function () { return requestsTo("addTask").length === before + 1 }, 3000)
        var filter = requestsTo("addTask").pop().devicesFilter
        compare(filter.includeServants, true)
        compare([filter.tagsIds, filter.anyOfTagsIds, filter.ids, filter.firmwaresIds, filter.modelsIds],
                [null, null, null, null, null])
    }

    function test_dictionaryResetsOnLogoff() {
        TasksDictionary.filter.types = [Tasks.FirmwareUpdate]
        TasksDictionary.filter.includeServants = false
        TasksDictionary.devicesFilter.ids = [70001]
        AuthManager.loggedOff()
        compare(TasksDictionary.filter.types, [])
        compare(TasksDictionary.filter.includeServants, true)
        compare(TasksDictionary.devicesFilter.ids, [])
        AuthManager.currentLoginInfo.sessionToken = "tok-tasks"
    }
}
