import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import QtQuickX 1.0
import App.Controls 1.0 as AppControls
import App.Customers 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Devices.Ui 1.0
import App.Managers 1.0
import App.Tasks 1.0
import KestrumTest 1.0
import Ostrel 1.0

Item {
    id: root
    width: 1400
    height: 900

    ScriptedServer { id: server }

    Component {
        id: viewComponent
        ManageDevicesView {
            anchors.fill: parent
        }
    }

    TestCase {
        id: testCase
        name: "ManageDevicesView"
        when: windowShown

        function initTestCase() {
            verify(server.start())
            Endpoints.serviceUri = server.url + "/QuillonService.svc"
            AuthManager.currentLoginInfo.sessionToken = "tok-devicesview"
        }

        function init() {
            server.clearPathResponses()
            server.setPathResponse("/QuillonService.svc/listTags", 200, '{"status":0,"result":{"items":[{"id":5,"n":"Gen 3"}]}}')
            server.setPathResponse("/QuillonService.svc/listFirmwares", 200, '{"status":0,"result":{"items":[{"id":"f2","n":"b 2"},{"id":"f1","n":"A 1"}]}}')
            server.setPathResponse("/QuillonService.svc/listModels", 200, '{"status":0,"result":{"items":[]}}')
            server.setPathResponse("/QuillonService.svc/listCustomers", 200, '{"status":0,"result":{"items":[{"id":4,"n":"Hall, \\"B\\""}]}}')
            answerSettings()
            server.setDefaultResponse(200, '{"status":0,"result":null}')
        }

        // The current device's settings are listed too; they must not take queued answers.
        function answerSettings() {
            server.setPathResponse("/QuillonService.svc/listSettings", 200, '{"status":0,"result":{"items":[]}}')
        }

        // The answer to every device list from now on.
        function answerDevices(answer) {
            server.setPathResponse("/QuillonService.svc/listDevices", 200, answer)
        }

        function page(firstId, count, skipped, total) {
            var items = []
            for (var i = 0; i < count; ++i)
                items.push({ "id": firstId + i, "n": "Device " + (firstId + i), "cId": 4, "mac": ["m" + i], "io": i % 2 === 0 })
            return JSON.stringify({ "status": 0, "result": { "items": items, "skipped": skipped, "total": total } })
        }

        function requests(method) {
            return server.requests.filter(function (r) { return r.path === "/QuillonService.svc/" + method })
        }

        function lastBody(method) {
            var list = requests(method)
            return list.length ? JSON.parse(list[list.length - 1].body) : null
        }

        // The export's pages, one answer per request, while the list asks for nothing.
        function exportAnswers(answers) {
            wait(50)
            server.clearPathResponses()
            answerSettings()
            answers.forEach(function (answer) { server.enqueue(200, answer) })
        }

        // The filter panel and the editor follow the first rows.
        function openView(firstPage) {
            answerDevices(firstPage)
            var view = createTemporaryObject(viewComponent, root)
            tryVerify(function () { return view.devicesList.count > 0 }, 3000)
            tryVerify(function () { return !!view.deviceEditor && !!view.filterEditor }, 3000)
            // The filter's choices come with it; nothing is left on its way.
            tryVerify(function () { return !!view.manager.listFirmwares.result && !!view.manager.listModels.result }, 3000)
            // The filter's reset on opening has been reported: its late report would scroll the list.
            tryVerify(function () { return !view.filter.changeDebouncer.scheduled }, 3000)
            return view
        }

        function test_panelsFollowTheRowsOrASlowList() {
            server.setPathResponse("/QuillonService.svc/listDevices", 200, page(1, 3, 0, 3), 1500)
            var firmwareCalls = requests("listFirmwares").length
            var view = createTemporaryObject(viewComponent, root)
            verify(!view.deviceEditor && !view.filterEditor)
            // The filter's choices are asked for with the filter, not before the rows.
            wait(100)
            if (!view.filterEditor)
                compare(requests("listFirmwares").length, firmwareCalls)
            // A slow list does not keep the operator from the filter.
            tryVerify(function () { return !!view.filterEditor && !!view.deviceEditor }, 1000)
            tryVerify(function () { return requests("listFirmwares").length > firmwareCalls }, 3000)
            compare(view.devicesList.count, 0)
            tryCompare(view.devicesList, "count", 3, 3000)
            tryCompare(view.deviceEditor, "entity", view.currentDevice)
        }

        function test_firstPageCountAndScrolling() {
            var view = openView(page(1, 100, 0, 5234))
            compare(JSON.stringify(lastBody("listDevices").paging), '{"skip":0,"take":100,"calcTotal":true}')
            compare(findChild(view, "devicesCountLabel").text, "100 of 5,234 devices")
            // The first device is current and shown in the editor.
            compare(view.currentDevice.idd, 1)
            compare(view.deviceEditor.entity, view.currentDevice)

            answerDevices(page(101, 100, 100, 5234))
            view.devicesList.list.positionViewAtEnd()
            tryVerify(function () { return view.devicesList.count === 200 }, 3000)
            compare(lastBody("listDevices").paging.skip, 100)
            compare(findChild(view, "devicesCountLabel").text, "200 of 5,234 devices")
        }

        function test_filterChangeStartsAtTheFirstPage() {
            var view = openView(page(1, 100, 0, 300))
            answerDevices(page(101, 100, 100, 300))
            view.devicesList.loadMore()
            tryVerify(function () { return view.devicesList.count === 200 }, 3000)
            // The device the operator chose stays current until the new rows arrive; then their
            // first device is.
            view.devicesList.list.currentIndex = 2
            var chosen = view.currentDevice
            server.setPathResponse("/QuillonService.svc/listDevices", 200, page(7, 3, 0, 3), 300)
            mouseClick(findChild(view, "stateChoice_on"))
            tryVerify(function () { return view.manager.listDevices.isLoading }, 1000)
            compare(view.currentDevice, chosen)
            tryVerify(function () { return view.devicesList.count === 3 }, 3000)
            compare(view.currentDevice.idd, 7)
            compare(view.deviceEditor.entity, view.currentDevice)
            var body = lastBody("listDevices")
            compare(body.paging.skip, 0)
            compare(body.filter.isOnline, true)
            compare(TasksDictionary.devicesFilter.onlineOnly, true)
        }

        function test_firmwaresSortedAndChosen() {
            var view = openView(page(1, 5, 0, 5))
            tryVerify(function () { return view.filterEditor.firmwares.length === 2 }, 3000)
            compare(view.filterEditor.firmwares.map(function (f) { return f.name }), ["A 1", "b 2"])
            var selector = findChild(view, "firmwareSelector")
            selector.select(1)
            compare(TasksDictionary.devicesFilter.firmwareVersions, ["f2"])
            // Restored from the filter when the filter is set elsewhere.
            TasksDictionary.devicesFilter.firmwareVersions = ["f1", "f2"]
            compare(selector.selectedIndexes, [0, 1])
        }

        function test_tagAllFoundDevices() {
            var view = openView(page(1, 5, 0, 5))
            TasksDictionary.devicesFilter.onlineOnly = false
            view.tagFoundDevices()
            var dialog = findChild(view, "tagFoundDialog")
            tryVerify(function () { return dialog.opened }, 2000)
            compare(dialog.entityEditorUi.nameField.text, "Current selection")
            server.setPathResponse("/QuillonService.svc/addTag", 200, '{"status":0,"result":{"id":77,"pId":0,"n":"Current selection"}}')
            server.setPathResponse("/QuillonService.svc/tagDevices", 200, '{"status":0,"result":{"tagId":77,"count":2}}')
            var taggings = requests("tagDevices").length
            dialog.accept()
            tryVerify(function () { return requests("tagDevices").length > taggings }, 3000)
            var body = lastBody("tagDevices")
            compare(body.tagId, 77)
            compare(body.filter.isOnline, false)
        }

        // With the panel hidden the list and the tagging go without the filter; the shared filter
        // itself is kept for the screens that still address what it finds.
        function test_hiddenFilterPanel() {
            var view = openView(page(1, 5, 0, 5))
            TasksDictionary.devicesFilter.onlineOnly = true
            tryVerify(function () { return lastBody("listDevices").filter.isOnline === true }, 3000)
            // The tool bar's filter button (not in the window without a navigator) does this.
            view.showAndUseFilterEditor = false
            verify(!view.filterEditor.visible)
            tryVerify(function () { return lastBody("listDevices").filter.isOnline === null }, 3000)
            compare(JSON.stringify(lastBody("listDevices").filter), JSON.stringify(DevicesFilterDeserializer.jsonEntity(null)))
            compare(TasksDictionary.devicesFilter.onlineOnly, true)
            server.setPathResponse("/QuillonService.svc/tagDevices", 200, '{"status":0,"result":{"tagId":8,"count":5}}')
            var taggings = requests("tagDevices").length
            view.manager.tagDevices.tagId = 8
            view.manager.tagDevices.invoke()
            tryVerify(function () { return requests("tagDevices").length > taggings }, 3000)
            compare(lastBody("tagDevices").filter.isOnline, null)
        }

        function test_exportWritesEveryPage() {
            var view = openView(page(1, 5, 0, 5))
            var file = String(IO.defaultDocumentsDirectory) + "/devices-export.csv"
            view.csvExport.pageSize = 2
            exportAnswers([page(1, 2, 0, 3), page(3, 1, 2, 3)])
            var finished = createTemporaryObject(spyComponent, testCase, { "target": view.csvExport, "signalName": "finished" })
            view.exportCsvTo(file)
            finished.wait(3000)
            verify(finished.signalArguments[0][0])
            var lines = String(LocalIO.readFileText(file)).split("\r\n")
            compare(lines.length, 5) // header, three devices, and the empty rest after the last line end
            compare(lines[0], "id,name,model,firmware,MAC addresses,IP addresses,location name,online state,last online,tags")
            compare(lines[1], '1,Device 1,,,m0,,"Hall, ""B""",online,,')
            compare(lines[3].split(",")[0], "3")
            var exportPages = requests("listDevices").slice(-2).map(function (r) { return JSON.parse(r.body).paging.skip })
            compare(exportPages, [0, 2])
        }

        // A total past 32 bits is shown as it is; the list and the export end when a page adds
        // nothing, and the export says it stopped short.
        function test_fleetBeyond32Bits() {
            var view = openView(page(1, 12, 0, 1e12))
            var label = findChild(view, "devicesCountLabel")
            compare(label.text, "12 of 1,000,000,000,000 devices")
            answerDevices(page(1, 12, 12, 1e12))
            view.devicesList.loadMore()
            tryCompare(label, "text", "12 of 12 devices", 3000)

            var file = String(IO.defaultDocumentsDirectory) + "/devices-short.csv"
            view.csvExport.pageSize = 12
            exportAnswers([page(1, 12, 0, 1e12), page(1, 12, 12, 1e12)])
            var finished = createTemporaryObject(spyComponent, testCase, { "target": view.csvExport, "signalName": "finished" })
            view.exportCsvTo(file)
            finished.wait(3000)
            verify(!finished.signalArguments[0][0])
            compare(finished.signalArguments[0][1], "12 of 1,000,000,000,000 devices exported: the service sent no more.")
            compare(String(LocalIO.readFileText(file)).split("\r\n").length, 14)
            findChild(view, "exportProgressDialog").close()
        }

        function test_failedOrCancelledExportLeavesNoFile() {
            var view = openView(page(1, 5, 0, 5))
            var file = String(IO.defaultDocumentsDirectory) + "/devices-cancelled.csv"
            view.csvExport.pageSize = 2
            exportAnswers([page(1, 2, 0, 3), '{"status":3,"result":null}'])
            var finished = createTemporaryObject(spyComponent, testCase, { "target": view.csvExport, "signalName": "finished" })
            view.exportCsvTo(file)
            finished.wait(3000)
            verify(!finished.signalArguments[0][0])
            compare(LocalIO.size(file), -1)
            // Shown as a failure, also when it came while the dialog was still animating in.
            var progress = findChild(view, "exportProgressDialog")
            tryVerify(function () { return progress.opened }, 3000)
            verify(progress.failed)
            progress.close()

            server.enqueue(200, page(1, 2, 0, 3), 500)
            view.exportCsvTo(file)
            view.csvExport.cancel()
            compare(finished.count, 2)
            // The server answers 500 ms on by its own timer, before this sentinel; the cancelled
            // request is closed, so nothing is left to arrive.
            TimerSentinel.waitPast(700)
            compare(finished.count, 2)
            compare(LocalIO.size(file), -1)
        }

        function test_failuresAreReportedAndUnbindShowsAtOnce() {
            var view = openView(page(1, 5, 0, 5))
            // A refused list says why above the old rows instead of leaving them unexplained.
            answerDevices('{"status":3,"result":null}')
            view.manager.reload()
            var banner = findChild(view.devicesList, "listStatusBanner")
            tryVerify(function () { return banner.failed }, 3000)
            compare(banner.failureText, "The service refused the list: Access denied! You don't have rights for this action.")
            compare(view.devicesList.count, 5)
            // The error dialog is made when first needed.
            verify(!findChild(view, "errorDialog"))

            answerDevices(page(1, 5, 0, 5))
            var lists = requests("listDevices").length
            server.setPathResponse("/QuillonService.svc/unbindDevice", 200, '{"status":0,"result":{"id":1}}')
            view.manager.unbindDevice.device = view.currentDevice
            view.manager.unbindDevice.invoke()
            tryVerify(function () { return requests("listDevices").length > lists }, 3000)
            compare(lastBody("listDevices").paging.skip, 0)
            tryVerify(function () { return !view.manager.listDevices.isLoading }, 3000)
            wait(50)

            // A refused rename keeps the operator's text and says why; the list keeps the stored name.
            server.setPathResponse("/QuillonService.svc/updateDevice", 200, '{"status":5,"result":null}')
            view.deviceEditor.draftTitle = "Renamed"
            view.deviceEditor.apply()
            var errorDialog = null
            tryVerify(function () {
                errorDialog = findChild(view, "errorDialog")
                return !!errorDialog && errorDialog.opened
            }, 3000)
            compare(errorDialog.reason, "Not found!")
            compare(findChild(view, "deviceNameField").text, "Renamed")
            compare(view.currentDevice.title, "Device 1")
            verify(view.deviceEditor.dirty)
            errorDialog.close()
        }

        function typeName(view, name) {
            var field = findChild(view, "deviceNameField")
            field.forceActiveFocus()
            field.selectAll()
            for (var i = 0; i < name.length; ++i)
                keyClick(name[i])
            compare(field.text, name)
        }

        // Typed edits stay in the editor until stored; leaving the device asks what becomes of them.
        function test_unsavedEditsAreAskedAbout() {
            var view = openView(page(1, 5, 0, 5))
            var list = view.devicesList.list
            var dialog = findChild(view, "unsavedDeviceDialog")
            compare(findChild(view, "deviceNameField").text, "Device 1")
            typeName(view, "Lobby")
            compare(view.currentDevice.title, "Device 1")
            compare(view.devicesList.sortedDevices[0].title, "Device 1")

            // Cancel: back on the edited device, the draft still there.
            list.currentIndex = 1
            tryVerify(function () { return dialog.opened }, 2000)
            compare(view.deviceEditor.entity.idd, 1)
            dialog.reject()
            compare(view.currentDevice.idd, 1)
            compare(findChild(view, "deviceNameField").text, "Lobby")

            // Discard: the next device, nothing sent.
            list.currentIndex = 1
            tryVerify(function () { return dialog.opened }, 2000)
            var updates = requests("updateDevice").length
            dialog.standardButton(Dialog.Discard).clicked()
            compare(view.deviceEditor.entity.idd, 2)
            compare(findChild(view, "deviceNameField").text, "Device 2")
            compare(requests("updateDevice").length, updates)

            // Save: stored first, then the next device.
            typeName(view, "Hall 2")
            server.setPathResponse("/QuillonService.svc/updateDevice", 200, '{"status":0,"result":{"id":2,"n":"Hall 2"}}')
            list.currentIndex = 2
            tryVerify(function () { return dialog.opened }, 2000)
            dialog.standardButton(Dialog.Save).clicked()
            tryVerify(function () { return requests("updateDevice").length > updates }, 3000)
            compare(lastBody("updateDevice").device.id, 2)
            compare(lastBody("updateDevice").device.n, "Hall 2")
            tryCompare(AppControls.Feedback, "text", "Device Hall 2 saved.", 3000)
            tryCompare(view.deviceEditor, "entity", view.currentDevice, 3000)
            compare(view.currentDevice.idd, 3)

            // Leaving the screen is held the same way.
            typeName(view, "Stage")
            var left = false
            verify(view.holdLeaving(function () { left = true }))
            tryVerify(function () { return dialog.opened }, 2000)
            dialog.standardButton(Dialog.Discard).clicked()
            verify(left)
            verify(!view.holdLeaving(function () {}))
        }

        // Reloads, new orders and new pages keep the operator's device current; a page goes
        // between the rows where the order puts it, and the rows on screen stay as they were.
        function test_currentDeviceStaysCurrent() {
            var view = openView(page(1, 100, 0, 300))
            var list = view.devicesList.list
            list.currentIndex = 40
            list.positionViewAtIndex(40, ListView.Center)
            var chosen = view.currentDevice.idd
            var position = list.contentY
            verify(position > 0)
            var row = list.currentItem
            var rowOnScreen = row.y - list.contentY
            answerDevices(page(101, 100, 100, 300))
            view.devicesList.loadMore()
            tryVerify(function () { return view.devicesList.count === 200 }, 3000)
            compare(view.currentDevice.idd, chosen)
            compare(list.currentItem, row)
            compare(row.device.idd, chosen)
            compare(row.y - list.contentY, rowOnScreen)
            // Names sort as text: "Device 100", "Device 101", ... "Device 11", ...
            var titles = view.devicesList.sortedDevices.map(function (device) { return device.title })
            compare(titles.slice(0, 4), ["Device 1", "Device 10", "Device 100", "Device 101"])
            compare(titles[list.currentIndex], "Device " + chosen)

            list.currentIndex = 150
            chosen = view.currentDevice.idd
            var rows = view.devicesList.sortedDevices
            answerDevices(page(1, 200, 0, 300))
            view.manager.reload()
            tryVerify(function () { return view.devicesList.sortedDevices !== rows }, 3000)
            compare(lastBody("listDevices").paging.take, 200)
            compare(view.currentDevice.idd, chosen)
            compare(view.deviceEditor.entity, view.currentDevice)
            view.devicesList.sort(true, "name")
            compare(view.currentDevice.idd, chosen)
        }

        // Names follow the locations stored elsewhere; an archived location says so.
        function test_locationNamesFollowTheLocations() {
            server.setPathResponse("/QuillonService.svc/listCustomers", 200, '{"status":0,"result":{"items":[{"id":4,"n":"Hall","a":true}]}}')
            var view = openView(page(1, 5, 0, 5))
            var label = findChild(view, "deviceLocationLabel")
            tryCompare(label, "text", "Hall (archived)", 3000)
            server.setPathResponse("/QuillonService.svc/listCustomers", 200, '{"status":0,"result":{"items":[{"id":4,"n":"Great Hall","a":false}]}}')
            server.setPathResponse("/QuillonService.svc/updateCustomer", 200, '{"status":0,"result":{"id":4,"n":"Great Hall"}}')
            CustomersDictionary.manager.updateCustomer.invoke()
            tryCompare(label, "text", "Great Hall", 3000)
        }

        Component {
            id: spyComponent
            SignalSpy {}
        }
    }
}
