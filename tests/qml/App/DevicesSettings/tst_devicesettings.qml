import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Devices 1.0
import App.DevicesSettings 1.0
import App.Managers 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "DeviceSettings"

    ScriptedServer { id: server }

    Component {
        id: managerComponent
        DeviceSettingsManager {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    Component {
        id: devicesFilterComponent
        DevicesFilter {}
    }

    readonly property string exampleSchedule: '[{"action":"on","plan":{"t":"07:30:00.000","p":["Mon","Fri"],"e":true}}]'

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-settings"
    }

    function requestsTo(method) {
        return server.requests.filter(function (request) {
            return request.path === "/QuillonService.svc/" + method
        })
    }

    function readSetting(item) {
        return DeviceSettingSerializer.createObject(testCase, { "modelData": item })
    }

    function test_powerScheduleWrittenAsText() {
        var manager = createTemporaryObject(managerComponent, testCase)
        var entry = manager.createNewPowerScheduleValue({ "action": "on" }, testCase)
        entry.plan.time = new Date(2026, 11, 7, 7, 30, 0)
        entry.plan.period = ["Mon", "Fri"]
        var setting = manager.createNewLocalEntity({ "name": "power.schedule", "value": [entry], "deviceId": 12 }, testCase)
        var json = DeviceSettingDeserializer.jsonEntity(setting)
        compare(json["v"], exampleSchedule)
        compare(JSON.stringify(json), JSON.stringify({ "dId": 12, "n": "power.schedule", "v": exampleSchedule, "h": "*" }))
        // Seconds and milliseconds that a time picker left behind are written as they are.
        entry.plan.time = new Date(2026, 11, 7, 19, 5, 42, 7)
        compare(JSON.parse(DeviceSettingDeserializer.jsonEntity(setting)["v"])[0].plan.t, "19:05:42.007")
        // The start values of a new entry.
        var fresh = manager.createNewPowerScheduleValue({}, testCase)
        compare(PowerScheduleDeserializer.jsonEntity([fresh]), '[{"action":"off","plan":{"t":"08:00:00.000","p":[],"e":true}}]')
    }

    function test_storedScheduleRead() {
        var text = '[{"action":"on","plan":{"t":"07:30:00.000","p":["Mon","Tue","Wed","Thu","Fri"]}},'
                 + '{"action":"off","plan":{"t":"19:00:00.000","p":["Sun"],"e":false}}]'
        var setting = readSetting({ "dId": 4, "uId": 2, "cId": 9, "n": "power.schedule", "v": text, "h": "ab", "r": 3, "t": { "DateTime": "/Date(0)/", "OffsetMinutes": 0 } })
        compare([setting.deviceId, setting.userId, setting.customerId, setting.revision, setting.hash], [4, 2, 9, 3, "ab"])
        var entries = setting.value
        compare(entries.length, 2)
        verify(!setting.unreadable)
        compare(entries[0].action, "on")
        compare([entries[0].plan.time.getHours(), entries[0].plan.time.getMinutes()], [7, 30])
        // "e" missing reads as switched on, false as off.
        compare(entries[0].plan.enabled, true)
        compare(entries[1].plan.enabled, false)
        compare(entries[1].plan.period, ["Sun"])
        // Written back, what the console wrote itself comes back unchanged.
        compare(PowerScheduleDeserializer.jsonEntity([entries[1]]), '[{"action":"off","plan":{"t":"19:00:00.000","p":["Sun"],"e":false}}]')
    }

    function test_otherSettingsKeepTheirValue() {
        var clock = readSetting({ "dId": 4, "n": "dateTime.autoSync", "v": "false" })
        compare(clock.value, "false")
        compare(JSON.stringify(DeviceSettingDeserializer.jsonEntity(clock)), '{"dId":4,"n":"dateTime.autoSync","v":"false","h":"*"}')
        var bare = readSetting({})
        compare([bare.deviceId, bare.name, bare.revision, bare.value], [0, "", -1, undefined])
        compare(readSetting({ "n": "power.schedule" }).value, undefined)
    }

    // A schedule in a shape the console cannot read is no schedule of defaults ("Shut down
    // 08:00"): it reads as empty and unreadable.
    function test_unreadableScheduleIsMarked_data() {
        return [
            { tag: "not JSON", v: "[{" },
            { tag: "not a list", v: '{"a":1}' },
            { tag: "null entry", v: '[null]' },
            { tag: "no plan", v: '[{"action":"on"}]' },
            { tag: "empty plan", v: '[{"action":"off","plan":{}}]' },
            { tag: "unknown action", v: '[{"action":"reboot","plan":{"t":"07:30"}}]' },
            { tag: "bad time", v: '[{"action":"on","plan":{"t":"25:99"}}]' },
            { tag: "bad day", v: '[{"action":"on","plan":{"t":"07:30","p":["Someday"]}}]' },
            { tag: "one bad of two", v: '[{"action":"on","plan":{"t":"07:30"}},{"action":"off"}]' }
        ]
    }

    function test_unreadableScheduleIsMarked(data) {
        if (data.tag === "not JSON")
            ignoreWarning(new RegExp("DeviceSettingSerializer::readValue: power.schedule"))
        var setting = readSetting({ "n": "power.schedule", "v": data.v })
        compare(setting.value, [])
        verify(setting.unreadable)
    }

    function test_filterAndListing() {
        var manager = createTemporaryObject(managerComponent, testCase)
        var changes = createTemporaryObject(spyComponent, testCase, { "target": manager.filter, "signalName": "filterChanged" })
        var before = requestsTo("listSettings").length
        manager.filter.customerId = 5
        compare(changes.count, 1)
        // Nothing is listed without a device.
        // A listing would start through the service's 5 ms debounce; once past it, nothing is loading.
        TimerSentinel.waitPast(50)
        verify(!manager.listSettings.isLoading)
        compare(requestsTo("listSettings").length, before)
        server.enqueue(200, JSON.stringify({ "status": 0, "result": { "items": [
            { "dId": 7, "n": "dateTime.autoSync", "v": "true" },
            { "dId": 7, "n": "power.schedule", "v": exampleSchedule } ] } }))
        manager.filter.deviceId = 7
        tryVerify(function () { return requestsTo("listSettings").length === before + 1 })
        compare(JSON.parse(requestsTo("listSettings")[before].body).filter, { "deviceId": 7, "customerId": 5 })
        compare(JSON.parse(requestsTo("listSettings")[before].body).what, "*")
        tryVerify(function () { return !!manager.listSettings.resultIndex && !!manager.listSettings.resultIndex["power.schedule"] })
        compare(manager.listSettings.resultIndex["dateTime.autoSync"].value, "true")
        manager.filter.reset()
        compare(JSON.stringify(DevicesSettingsFilterSerializer.jsonEntity(manager.filter)), "{}")
    }

    function test_syncCallsBothComplete() {
        var manager = createTemporaryObject(managerComponent, testCase)
        var answers = createTemporaryObject(spyComponent, testCase, { "target": manager.syncSettings, "signalName": "invokedOk" })
        var before = requestsTo("syncSetting").length
        server.enqueue(200, '{"status":0,"result":{"dId":3,"n":"dateTime.autoSync","v":"false"}}', 300)
        server.enqueue(200, '{"status":0,"result":{"dId":3,"n":"power.schedule","v":"[]"}}')
        manager.syncSettings.setting = manager.createNewLocalEntity({ "name": "dateTime.autoSync", "value": "false", "deviceId": 3 }, testCase)
        manager.syncSettings.invoke()
        tryVerify(function () { return requestsTo("syncSetting").length === before + 1 }, 3000)
        manager.syncSettings.setting = manager.createNewLocalEntity({ "name": "power.schedule", "value": [], "deviceId": 3 }, testCase)
        manager.syncSettings.invoke()
        tryCompare(answers, "count", 2, 3000)
        var sent = requestsTo("syncSetting").slice(before).map(function (request) { return JSON.parse(request.body).setting })
        compare(sent, [{ "dId": 3, "n": "dateTime.autoSync", "v": "false", "h": "*" },
                       { "dId": 3, "n": "power.schedule", "v": "[]", "h": "*" }])
    }

    function test_writeSettingsBody() {
        var manager = createTemporaryObject(managerComponent, testCase, {
            "deviceFilter": createTemporaryObject(devicesFilterComponent, testCase, { "tagIds": [4] })
        })
        var before = requestsTo("writeSettings").length
        manager.writeSettings.setting = [{ "n": "dateTime.autoSync", "v": "true", "h": "*" }]
        manager.writeSettings.invoke()
        tryVerify(function () { return requestsTo("writeSettings").length === before + 1 })
        var body = JSON.parse(requestsTo("writeSettings")[before].body)
        compare(body.devicesFilter.tagsIds, [4])
        compare(body.devicesFilter.includeServants, true)
        compare(body.setting, [{ "n": "dateTime.autoSync", "v": "true", "h": "*" }])
        compare(body.sessionToken, "tok-settings")
    }
}
