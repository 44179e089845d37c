import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Devices.Ui 1.0
import App.DevicesSettings 1.0
import App.Managers 1.0
import KestrumTest 1.0

// The settings editor and the dialog for all found devices against the real reference service.
Item {
    id: stage
    width: 1000
    height: 700

    ReferenceService { id: service }

    TestCase {
        id: testCase
        name: "DeviceSettingsEditor"
        when: windowShown

        property var storedByDevice: ({})

        Component {
            id: credentialsComponent
            LoginCredentials {}
        }

        Component {
            id: editorComponent
            DeviceSettingsEditor {
                width: 900
                height: 500
            }
        }

        Component {
            id: dialogComponent
            DeviceSettingsForAllDialog {}
        }

        Component {
            id: devicesFilterComponent
            DevicesFilter {}
        }

        Component {
            id: allSettingsComponent
            CollectionService {
                baseUrl: Endpoints.serviceUri
                method: "listSettings"
                manual: true
                collectionProperty: "result.items"
                bodyParams: ({ "sessionToken": AuthManager.currentLoginInfo.sessionToken, "filter": {}, "what": "*" })
            }
        }

        Component {
            id: devicesComponent
            CollectionService {
                property var filter: ({})
                baseUrl: Endpoints.serviceUri
                method: "listDevices"
                manual: true
                collectionProperty: "result.items"
                bodyParams: ({ "sessionToken": AuthManager.currentLoginInfo.sessionToken, "filter": filter,
                               "paging": { "skip": 0, "take": 1000, "calcTotal": true }, "what": "id,tgId" })
            }
        }

        Component {
            id: spyComponent
            SignalSpy {}
        }

        Component {
            id: syncComponent
            SingleResultService {
                property var setting: null
                baseUrl: Endpoints.serviceUri
                method: "syncSetting"
                manual: true
                bodyParams: ({ "sessionToken": AuthManager.currentLoginInfo.sessionToken, "setting": setting, "what": "*" })
            }
        }

        function waitFor(component) {
            var ok = createTemporaryObject(spyComponent, testCase, { "target": component, "signalName": "invokedOk" })
            var failed = createTemporaryObject(spyComponent, testCase, { "target": component, "signalName": "invokedFail" })
            component.invoke()
            tryVerify(function () { return ok.count + failed.count > 0 }, 10000)
            verify(ok.count === 1, "the call failed")
        }

        // What the service holds now: device id → name → raw "v".
        function readStored() {
            var list = createTemporaryObject(allSettingsComponent, testCase)
            waitFor(list)
            var stored = {}
            list.jsonResult.result.items.forEach(function (item) {
                stored[item.dId] = stored[item.dId] || {}
                stored[item.dId][item.n] = item.v
            })
            return stored
        }

        function deviceIds(filter) {
            var devices = createTemporaryObject(devicesComponent, testCase, { "filter": filter })
            waitFor(devices)
            return devices.jsonResult.result.items.map(function (device) { return device.id })
        }

        function initTestCase() {
            if (!service.start())
                skip("the build has no reference service")
            Endpoints.serviceUri = service.serviceUri
            var authorized = createTemporaryObject(spyComponent, testCase, { "target": AuthManager, "signalName": "authorized" })
            AuthManager.login(createTemporaryObject(credentialsComponent, testCase, { "login": "admin@example.com", "password": "demo-admin-2026" }))
            tryCompare(authorized, "count", 1, 10000)
        }

        function openEditor(deviceId) {
            var editor = createTemporaryObject(editorComponent, stage, { "entity": { "idd": deviceId } })
            tryVerify(function () { return editor.autoTimeSetting.deviceId === deviceId && !editor.manager.listSettings.isLoading }, 10000)
            wait(50)
            return editor
        }

        function test_loadEditApplyReload() {
            var stored = readStored()
            var withSchedule = Object.keys(stored).filter(function (id) {
                return stored[id]["power.schedule"] && !stored[id]["dateTime.autoSync"]
            })[0]
            verify(withSchedule, "no demo device with a schedule and without a clock setting")
            var editor = openEditor(Number(withSchedule))
            // No stored clock setting: automatic time off; the stored schedule is shown.
            tryCompare(editor.powerScheduleSetting.value, "length", 2)
            compare(editor.autoTimeSetting.value, "false")
            compare(JSON.parse(PowerScheduleDeserializer.jsonEntity(editor.powerScheduleSetting.value)),
                    JSON.parse(stored[withSchedule]["power.schedule"]))

            var checkBox = findChild(editor, "autoTimeCheckBox")
            verify(!checkBox.checked)
            mouseClick(checkBox)
            compare(editor.autoTimeSetting.value, "true")
            var entries = editor.powerScheduleSetting.value
            entries[1].plan.enabled = false
            entries[0].plan.period = ["Sat"]
            var expected = PowerScheduleDeserializer.jsonEntity(entries)
            editor.updateSettings()
            // The list moves on to another device before the schedule is sent: what was applied goes.
            editor.entity = { "idd": Number(withSchedule) + 1 }
            tryVerify(function () {
                var now = readStored()[withSchedule]
                return now["dateTime.autoSync"] === "true" && now["power.schedule"] === expected
            }, 5000)

            // Opened again, the device shows what was stored.
            var again = openEditor(Number(withSchedule))
            tryVerify(function () { return again.powerScheduleSetting.value.length === 2 })
            tryVerify(function () { return again.autoTimeSetting.value === "true" })
            compare(again.powerScheduleSetting.value[1].plan.enabled, false)
            compare(again.powerScheduleSetting.value[0].plan.period, ["Sat"])
        }

        function test_deviceWithoutSettings() {
            var stored = readStored()
            var bare = deviceIds({}).filter(function (id) { return !stored[id] })[0]
            verify(bare, "no demo device without settings")
            var editor = openEditor(bare)
            tryVerify(function () { return editor.autoTimeSetting.value === "false" })
            compare(editor.powerScheduleSetting.value, [])
        }

        // A stored schedule the console cannot read is shown so, and Apply leaves it stored.
        function test_unreadableScheduleIsKeptUntilEdited() {
            var device = deviceIds({})[3]
            var raw = '[{"action":"reboot","plan":{"t":"later"}}]'
            var sync = createTemporaryObject(syncComponent, testCase, { "setting": { "dId": device, "n": "power.schedule", "v": raw, "h": "*" } })
            waitFor(sync)
            var editor = openEditor(device)
            var label = findChild(editor.scheduler, "unreadableScheduleLabel")
            tryVerify(function () { return label.visible })
            compare(editor.powerScheduleSetting.value, [])
            editor.autoTimeSetting.value = "true"
            editor.updateSettings()
            tryVerify(function () { return readStored()[device]["dateTime.autoSync"] === "true" }, 5000)
            // Past the editor's 200 ms schedule debounce.
            TimerSentinel.waitPast(300)
            tryVerify(function () { return !editor.manager.syncSettings.isLoading })
            compare(readStored()[device]["power.schedule"], raw)
            verify(!editor.hasUnstoredEdits)
            // A schedule the operator makes replaces it.
            editor.scheduler.add()
            verify(!label.visible)
            editor.updateSettings()
            tryVerify(function () { return readStored()[device]["power.schedule"] !== raw }, 5000)
        }

        function test_refusedSyncIsReportedAndKeepsEdits() {
            var editor = openEditor(99999)
            editor.autoTimeSetting.value = "false"
            editor.scheduler.add()
            editor.updateSettings()
            // The device list reloads after Apply: no device for a moment, then the same again.
            editor.entity = null
            editor.entity = { "idd": 99999 }
            tryVerify(function () { return editor.errorDialog.opened }, 5000)
            compare(editor.errorDialog.entityTypeName, "Settings")
            verify(editor.errorDialog.reason.length > 0)
            // Past the editor's 200 ms sync debounce and the services' 5 ms one.
            TimerSentinel.waitPast(300)
            verify(!editor.manager.listSettings.isLoading)
            compare(editor.autoTimeSetting.value, "false")
            compare(editor.powerScheduleSetting.value.length, 1)
            editor.errorDialog.close()
            // Another device shows its own settings; the edits wait for their device.
            editor.entity = { "idd": 99998 }
            compare(editor.powerScheduleSetting.value.length, 0)
            verify(!editor.hasUnstoredEdits)
            editor.entity = { "idd": 99999 }
            compare(editor.powerScheduleSetting.value.length, 1)
        }

        // A reload drops the edits kept from a failed Apply and shows what a write to all found
        // devices stored meanwhile.
        function test_reloadShowsWhatTheServiceHolds() {
            var refused = openEditor(99999)
            refused.scheduler.add()
            refused.updateSettings()
            tryVerify(function () { return refused.errorDialog.opened }, 5000)
            refused.errorDialog.close()
            verify(refused.hasUnstoredEdits)
            refused.reload()
            verify(!refused.hasUnstoredEdits)
            tryVerify(function () { return !refused.manager.listSettings.isLoading && refused.powerScheduleSetting.value.length === 0 }, 5000)

            var stored = readStored()
            var id = Number(Object.keys(stored).filter(function (key) {
                return stored[key]["power.schedule"] && stored[key]["dateTime.autoSync"]
            })[0])
            verify(id, "no demo device with both settings")
            var editor = openEditor(id)
            var forAll = createTemporaryObject(editorComponent, stage, {
                "deviceFilter": createTemporaryObject(devicesFilterComponent, testCase, { "ids": [id] })
            })
            forAll.scheduler.add()
            forAll.scheduler.add()
            forAll.scheduler.add()
            var written = PowerScheduleDeserializer.jsonEntity(forAll.powerScheduleSetting.value)
            forAll.prepareSettings()
            tryVerify(function () { return readStored()[id]["power.schedule"] === written }, 5000)
            verify(PowerScheduleDeserializer.jsonEntity(editor.powerScheduleSetting.value) !== written)
            editor.reload()
            tryVerify(function () {
                return PowerScheduleDeserializer.jsonEntity(editor.powerScheduleSetting.value) === written
            }, 5000)
        }

        function test_forAllFoundAfterConfirmation() {
            var before = readStored()
            var found = deviceIds({ "tagsIds": [21], "includeServants": true })
            var others = deviceIds({}).filter(function (id) { return found.indexOf(id) < 0 })
            verify(found.length > 0 && others.length > 0)
            var dialog = createTemporaryObject(dialogComponent, stage, {
                "deviceFilter": createTemporaryObject(devicesFilterComponent, testCase, { "tagIds": [21] })
            })
            dialog.open()
            tryVerify(function () { return dialog.opened })
            var written = createTemporaryObject(spyComponent, testCase, { "target": dialog, "signalName": "settingsWritten" })
            dialog.editor.scheduler.add()
            var schedule = PowerScheduleDeserializer.jsonEntity(dialog.editor.powerScheduleSetting.value)
            dialog.accept()
            // Nothing is written before the operator confirms for the number of devices found.
            tryVerify(function () { return dialog.confirmation.opened }, 5000)
            compare(dialog.confirmation.devicesCount, found.length)
            verify(findChild(dialog.confirmation, "messageLabel").text.indexOf(String(found.length)) >= 0)
            compare(JSON.stringify(readStored()), JSON.stringify(before))
            dialog.confirmation.accept()
            tryCompare(written, "count", 1, 10000)
            compare(written.signalArguments[0][0], found.length)

            var after = readStored()
            found.forEach(function (id) {
                compare(after[id]["power.schedule"], schedule)
                compare(after[id]["dateTime.autoSync"], "true")
            })
            others.forEach(function (id) {
                compare(JSON.stringify(after[id]), JSON.stringify(before[id]))
            })

            // Opened again, the dialog keeps the values of its last use.
            dialog.open()
            tryVerify(function () { return dialog.opened })
            compare(dialog.editor.powerScheduleSetting.value.length, 1)
            dialog.close()
        }
    }
}
