import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Managers 1.0
import KestrumTest 1.0

// Paging through the reference service's demo fleet: every device once, in pages of 100, with
// the total the service reports, for operators of different reach and for a tag filter.
TestCase {
    id: testCase
    name: "DevicesPagingAgainstTheService"

    ReferenceService { id: service }

    Component {
        id: credentialsComponent
        LoginCredentials {}
    }

    Component {
        id: managerComponent
        DevicesManager {}
    }

    Component {
        id: filterComponent
        DevicesFilter {}
    }

    function initTestCase() {
        if (!service.start())
            skip("the build has no reference service")
        Endpoints.serviceUri = service.serviceUri
    }

    function login(name, password) {
        if (AuthManager.currentLoginInfo.sessionToken)
            AuthManager.logoff()
        AuthManager.login(createTemporaryObject(credentialsComponent, testCase, { "login": name, "password": password }))
        tryVerify(function () { return !!AuthManager.currentLoginInfo.sessionToken }, 10000)
    }

    function loadAll(manager) {
        tryVerify(function () { return manager.devices.length > 0 && !manager.listDevices.isLoading }, 10000)
        var pages = 1
        while (manager.hasMore) {
            var before = manager.devices.length
            manager.loadNextPage()
            tryVerify(function () { return manager.devices.length > before && !manager.listDevices.isLoading }, 10000)
            ++pages
        }
        return pages
    }

    function idsOf(devices) {
        return devices.map(function (device) { return device.idd }).sort(function (a, b) { return a - b })
    }

    function test_everyDeviceOnce_data() {
        return [
            { tag: "administrator", login: "admin@example.com", password: "demo-admin-2026", tagged: false },
            { tag: "local administrator", login: "localadmin@example.com", password: "demo-local-2026", tagged: false },
            { tag: "administrator, tag filter", login: "admin@example.com", password: "demo-admin-2026", tagged: true }
        ]
    }

    function test_everyDeviceOnce(data) {
        login(data.login, data.password)
        var filter = createTemporaryObject(filterComponent, testCase)
        var whole = createTemporaryObject(managerComponent, testCase, { "pageSize": 1000, "filter": filter })
        tryVerify(function () { return whole.devices.length > 0 && !whole.listDevices.isLoading }, 10000)
        if (data.tagged) {
            // A tag some but not all devices carry.
            var counts = {}
            whole.devices.forEach(function (device) {
                (device.tagIds || []).forEach(function (id) { counts[id] = (counts[id] || 0) + 1 })
            })
            var chosen = Object.keys(counts).filter(function (id) { return counts[id] > 100 && counts[id] < whole.total })[0]
            verify(chosen !== undefined)
            filter.tagIds = [Number(chosen)]
            tryVerify(function () { return whole.total === counts[chosen] && !whole.listDevices.isLoading }, 10000)
        }
        verify(!whole.hasMore)
        compare(whole.devices.length, whole.total)

        var paged = createTemporaryObject(managerComponent, testCase, { "filter": filter })
        var pages = loadAll(paged)
        compare(paged.total, whole.total)
        compare(pages, Math.ceil(whole.total / 100))
        compare(idsOf(paged.devices), idsOf(whole.devices))
    }
}
