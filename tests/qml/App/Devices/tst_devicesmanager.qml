import QtQuick 2.15
import QtTest 1.15
import App.Constants 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Managers 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "DevicesManager"

    ScriptedServer { id: server }

    Component {
        id: managerComponent
        DevicesManager {}
    }

    Component {
        id: filterComponent
        DevicesFilter {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        server.setPathResponse("/QuillonService.svc/listFirmwares", 200, '{"status":0,"result":{"items":[{"id":"f1","n":"AB1234"}]}}')
        server.setPathResponse("/QuillonService.svc/listModels", 200, '{"status":0,"result":{"items":[]}}')
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-devices"
    }

    // A page of the service: devices firstId … firstId + count - 1.
    function page(firstId, count, skipped, total) {
        var items = []
        for (var i = 0; i < count; ++i)
            items.push({ "id": firstId + i, "n": "Device " + (firstId + i) })
        return JSON.stringify({ "status": 0, "result": { "items": items, "skipped": skipped, "total": total } })
    }

    function deviceRequests() {
        return server.requests.filter(function (request) { return request.path === "/QuillonService.svc/listDevices" })
    }

    function lastBody(path) {
        var requests = server.requests.filter(function (request) { return request.path === path })
        return JSON.parse(requests[requests.length - 1].body)
    }

    function listedManager(properties, firstPage) {
        server.enqueue(200, firstPage)
        var before = deviceRequests().length
        var manager = createTemporaryObject(managerComponent, testCase, properties || {})
        tryVerify(function () { return manager.devices.length > 0 }, 3000)
        compare(deviceRequests().length, before + 1)
        return manager
    }

    function test_serializerFallbacksAndFirmwareSplit() {
        var bare = DeviceSerializer.createObject(null, { "modelData": {} })
        compare(bare.idd, 0)
        compare(bare.title, "")
        compare(bare.tagIds, null)
        compare(bare.ipAddresses, [])
        compare(bare.macAddresses, [])
        compare(bare.lastOnline, undefined)
        verify(isNaN(bare.registered.getTime()))
        compare(bare.firmwareVersionCode, "")
        compare(bare.firmwareVersionNumber, "")

        var device = DeviceSerializer.createObject(null, { "modelData": {
            "id": 12, "n": "Hall", "fw": "AB1234", "mac": ["aa:bb"], "io": true, "cId": 4, "tgId": [1, 2],
            "rt": { "DateTime": "/Date(1600000000000)/", "OffsetMinutes": 0 } } })
        compare(device.name, "Hall")
        compare(device.firmwareVersionCode, "AB")
        compare(device.firmwareVersionNumber, "1234")
        compare(device.registered.getTime(), 1600000000000)
        device.firmwareVersion = "1234"
        compare(device.firmwareVersionCode, "")
        compare(device.firmwareVersionNumber, "1234")
        device.firmwareVersion = "C12345"
        compare(device.firmwareVersionCode, "C1")
        compare(device.firmwareVersionNumber, "2345")
    }

    function test_pagingThroughTheFleet() {
        var manager = listedManager({}, page(1, 100, 0, 250))
        var first = lastBody("/QuillonService.svc/listDevices")
        compare(JSON.stringify(first.paging), '{"skip":0,"take":100,"calcTotal":true}')
        compare(first.what, "*")
        compare(first.sessionToken, "tok-devices")
        compare(manager.total, 250)
        verify(manager.hasMore)

        server.enqueue(200, page(101, 100, 100, 250))
        manager.loadNextPage()
        tryCompare(manager, "requestedSkip", 100)
        tryVerify(function () { return manager.devices.length === 200 }, 3000)
        compare(lastBody("/QuillonService.svc/listDevices").paging.skip, 100)
        compare(manager.devicesIndex[150].title, "Device 150")

        // The last page repeats a device that moved while the list was read: shown once.
        server.enqueue(200, page(200, 51, 200, 250))
        manager.loadNextPage()
        tryVerify(function () { return manager.devices.length === 250 }, 3000)
        verify(!manager.hasMore)
        var ids = manager.devices.map(function (device) { return device.idd })
        compare(ids.filter(function (id) { return id === 200 }).length, 1)

        // No request beyond the end.
        var count = deviceRequests().length
        manager.loadNextPage()
        // Past the services' 5 ms debounce a page request would be loading.
        TimerSentinel.waitPast(50)
        verify(!manager.listDevices.isLoading)
        compare(deviceRequests().length, count)
    }

    function test_filterChangeStartsAgain() {
        var filter = createTemporaryObject(filterComponent, testCase)
        var manager = listedManager({ "filter": filter }, page(1, 100, 0, 300))
        server.enqueue(200, page(101, 100, 100, 300))
        manager.loadNextPage()
        tryVerify(function () { return manager.devices.length === 200 }, 3000)

        server.enqueue(200, page(501, 20, 0, 20))
        filter.onlineOnly = true
        tryVerify(function () { return manager.total === 20 }, 3000)
        var body = lastBody("/QuillonService.svc/listDevices")
        compare(body.paging.skip, 0)
        compare(body.filter.isOnline, true)
        compare(manager.devices.length, 20)
        compare(manager.devices[0].idd, 501)
        verify(!manager.hasMore)
    }

    function test_latePageOfAnOldListIsDropped() {
        var manager = listedManager({}, page(1, 100, 0, 300))
        // An answer for skip 200 while only 100 devices are loaded belongs to no current list.
        server.enqueue(200, page(201, 100, 200, 300))
        manager.listDevices.invoke()
        tryVerify(function () { return !manager.listDevices.isLoading && manager.listDevices.result
                                       && manager.listDevices.result[0].idd === 201 }, 3000)
        compare(manager.devices.length, 100)
        compare(manager.devices[0].idd, 1)
    }

    // Totals beyond 32 bits, below the rows sent, or pages without their rows.
    function test_totalsThatCannotBeTrusted() {
        var manager = listedManager({}, page(1, 12, 0, 1e12))
        compare(manager.total, 1e12)
        verify(manager.hasMore)
        // The next page adds nothing: the list ends with what it has.
        server.enqueue(200, page(1, 12, 12, 1e12))
        manager.loadNextPage()
        tryCompare(manager, "total", 12, 3000)
        verify(!manager.hasMore)

        manager = listedManager({}, page(1, 12, 0, -5))
        compare(manager.total, 12)
        verify(!manager.hasMore)

        var failures = createTemporaryObject(spyComponent, testCase, { "target": manager.listDevices, "signalName": "invokedFail" })
        server.enqueue(200, '{"status":0,"result":{"total":12,"skipped":0}}')
        manager.reload()
        failures.wait(3000)
        compare(failures.signalArguments[0][0], Strings.unreadableAnswerError)
    }

    function test_writeBodies() {
        var manager = listedManager({}, page(1, 1, 0, 1))
        var device = manager.createNewLocalEntity({ "idd": 9, "title": "Lab", "tagIds": [5] }, testCase)

        server.enqueue(200, '{"status":0,"result":{"id":9,"n":"Lab"}}')
        manager.updateDevice.device = device
        manager.updateDevice.invoke()
        tryVerify(function () { return manager.updateDevice.result !== null }, 3000)
        compare(JSON.stringify(lastBody("/QuillonService.svc/updateDevice").device), '{"id":9,"n":"Lab","tgId":[5]}')

        // A device without MAC addresses is unbound with an empty one.
        server.enqueue(200, '{"status":0,"result":{"id":9}}')
        manager.unbindDevice.device = device
        manager.unbindDevice.invoke()
        tryVerify(function () { return manager.unbindDevice.result !== null }, 3000)
        var unbind = lastBody("/QuillonService.svc/unbindDevice")
        compare(JSON.stringify(unbind.dhi), '{"version":1,"type":"ifp","mac":""}')
        compare(unbind.id, 9)

        // Without a filter the found devices are the whole reach of the operator.
        server.enqueue(200, '{"status":0,"result":{"tagId":31,"count":1}}')
        manager.tagDevices.tagId = 31
        manager.tagDevices.invoke()
        tryVerify(function () { return server.requests.some(function (r) { return r.path === "/QuillonService.svc/tagDevices" }) }, 3000)
        var tagging = lastBody("/QuillonService.svc/tagDevices")
        compare(tagging.tagId, 31)
        compare(JSON.stringify(tagging.filter), JSON.stringify(DevicesFilterDeserializer.jsonEntity(null)))
    }

    function test_mockupListIsFilteredLocally() {
        var filter = createTemporaryObject(filterComponent, testCase)
        var mock = [manager0.createNewLocalEntity({ "idd": 1, "isOnline": true }, testCase),
                    manager0.createNewLocalEntity({ "idd": 2, "isOnline": false }, testCase)]
        var before = deviceRequests().length
        var manager = createTemporaryObject(managerComponent, testCase,
                                            { "mockup": true, "mockupDevices": mock, "filter": filter })
        compare(manager.devices.length, 2)
        filter.onlineOnly = false
        tryVerify(function () { return manager.devices.length === 1 }, 1000)
        compare(manager.devices[0].idd, 2)
        compare(manager.total, 1)
        // Past the services' 5 ms debounce a request would be loading.
        TimerSentinel.waitPast(50)
        verify(!manager.listDevices.isLoading)
        compare(deviceRequests().length, before)
    }

    DevicesManager {
        id: manager0
        mockup: true
    }
}
