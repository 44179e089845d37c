import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Tasks.TaskEditor 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "TasksUtilityManager"

    ScriptedServer { id: server }

    Component {
        id: managerComponent
        TasksUtilityManager {}
    }

    function catalogue(rows) {
        return "<?xml version=\"1.0\"?><softwares>" + rows.map(function (row) {
            return "<software><ver>" + row[1] + "</ver><code>" + row[0] + "</code></software>"
        }).join("") + "</softwares>"
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(404, "")
        Endpoints.otaUri = server.url + "/ota"
        Endpoints.storeUri = server.url + "/store"
    }

    function init() {
        server.clearPathResponses()
    }

    function test_otaCatalogue() {
        // Versions of different lengths, in no order: the greatest counts as a number.
        server.setPathResponse("/ota/upgrade/upgrade.xml", 200,
                               catalogue([["AB", "1200"], ["G4", "990"], ["AB", "1000"], ["G4", "2100"],
                                          ["G4", "2000"], ["AB", "1200"]]))
        var manager = createTemporaryObject(managerComponent, testCase)
        tryVerify(function () { return manager.resultData.length === 6 }, 3000)
        verify(!manager.isLoading)
        compare(manager.resultData[1], { "version": "990", "code": "G4" })
        compare(manager.result, ["1200", "990", "1000", "2100", "2000"])
        compare(manager.maxVersions, { "AB": "1200", "G4": "2100" })
        var asked = server.requests.filter(function (r) { return r.path === "/ota/upgrade/upgrade.xml" })
        compare(asked.length, 1)
        compare(asked[0].method, "GET")
    }

    // A catalogue that cannot be read says so with its address until a retry reads it.
    function test_unreadableCataloguesSayWhy() {
        var otaUri = server.url + "/ota/upgrade/upgrade.xml"
        server.setPathResponse("/ota/upgrade/upgrade.xml", 200, "<softwares><software><ver>1")
        var manager = createTemporaryObject(managerComponent, testCase)
        tryVerify(function () { return manager.otaError !== "" }, 3000)
        compare(manager.otaError.indexOf("The firmware catalogue at " + otaUri + " could not be read: "), 0)
        compare(manager.resultData.length, 0)

        server.setPathResponse("/ota/upgrade/upgrade.xml", 200,
                               catalogue([["G4", "990"], ["G3", "1040"], ["G4", "2000"], ["G3", "1100"], ["G4", "990"]]))
        manager.reloadOTAFirmwares()
        tryVerify(function () { return manager.resultData.length === 5 }, 3000)
        compare(manager.otaError, "")
        // By model, newest first, numbers compared as numbers.
        compare(manager.firmwareChoices.map(function (row) { return row.code + " " + row.version }),
                ["G3 1100", "G3 1040", "G4 2000", "G4 990"])

        server.setPathResponse("/ota/upgrade/upgrade.xml", 200, "<softwares/>")
        manager.reloadOTAFirmwares()
        tryVerify(function () { return manager.otaError !== "" }, 3000)
        verify(manager.otaError.indexOf("lists no firmware versions") > 0)

        // The store is not there at all.
        manager.listAppPackages.invoke()
        tryVerify(function () { return manager.storeError !== "" }, 3000)
        compare(manager.storeError.indexOf("The store catalogue at " + server.url + "/store/info.json could not be read: "), 0)
    }

    function test_otaCatalogueReload() {
        server.setPathResponse("/ota/upgrade/upgrade.xml", 200, catalogue([["AB", "1000"]]))
        var manager = createTemporaryObject(managerComponent, testCase)
        tryVerify(function () { return manager.resultData.length === 1 }, 3000)
        server.setPathResponse("/ota/upgrade/upgrade.xml", 200, catalogue([["AB", "1000"], ["AB", "1100"]]))
        manager.reloadOTAFirmwares()
        tryVerify(function () { return manager.resultData.length === 2 }, 3000)
        compare(manager.maxVersions, { "AB": "1100" })
    }

    function test_storeCatalogue() {
        server.setPathResponse("/store/info.json", 200, JSON.stringify({ "products": [
            { "id": "wb", "name": "Whiteboard", "packageName": "com.example.wb", "packages": [
                { "versionCode": "9", "versionName": "1.9", "whatNew": "Faster", "os": { "name": "Android", "minOs": "9" } },
                { "versionCode": "10", "versionName": "1.10" }] },
            { "id": "bare", "name": "Bare" }
        ] }))
        var manager = createTemporaryObject(managerComponent, testCase)
        // Past the services' 5 ms debounce, the only thing between a manager and a request.
        TimerSentinel.waitPast(100)
        // The store is asked only on request, with GET and no session.
        compare(server.requests.filter(function (r) { return r.path === "/store/info.json" }).length, 0)
        manager.listAppPackages.invoke()
        tryVerify(function () { return manager.listAppPackages.result && manager.listAppPackages.result.length === 2 }, 3000)
        var asked = server.requests.filter(function (r) { return r.path === "/store/info.json" })[0]
        compare(asked.method, "GET")
        verify(asked.body.indexOf("sessionToken") < 0)
        var product = manager.listAppPackages.result[0]
        compare(product.packageName, "com.example.wb")
        compare(product.packages.length, 2)
        var first = product.packages[0]
        compare([first.versionCode, first.versionName, first.whatsNew, first.osName, first.minOsVersion, first.minFirmwareVersion],
                ["9", "1.9", "Faster", "Android", "9", ""])
        compare(product.packages[1].osName, "")
        compare(manager.listAppPackages.result[1].packages, null)
    }
}
