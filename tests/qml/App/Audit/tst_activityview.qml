import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0
import App.Audit 1.0
import App.Audit.Ui 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import KestrumTest 1.0
import Ostrel 1.0

Item {
    id: root
    width: 1400
    height: 900

    ScriptedServer { id: server }

    Component {
        id: viewComponent
        ActivityView {
            anchors.fill: parent
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    TestCase {
        id: testCase
        name: "ActivityView"
        when: windowShown

        function record(id, fields) {
            var item = { "id": id, "at": { "DateTime": "/Date(" + (1700000000000 - id * 1000) + ")/" },
                         "aId": 2, "aN": "Adam District", "cuId": 0, "cuN": "", "m": "updateDevice",
                         "act": "update", "k": "device", "eIds": [70], "eN": "Hall", "sub": "", "f": "",
                         "rc": -1, "s": 0, "ip": "127.0.0.1" }
            for (var key in fields)
                item[key] = fields[key]
            return item
        }

        function failedSignIn(id, ip) {
            return record(id, { "aId": 0, "aN": "", "m": "login", "act": "sign-in", "k": "session", "eIds": [],
                                "eN": "", "sub": "admin@example.com", "s": 2, "ip": ip })
        }

        function requests(method) {
            return server.requests.filter(function (r) { return r.path === "/QuillonService.svc/" + method })
        }

        function initTestCase() {
            verify(server.start())
            Endpoints.serviceUri = server.url + "/QuillonService.svc"
            AuthManager.currentLoginInfo.sessionToken = "tok-activity"
            server.setDefaultResponse(200, '{"status":0,"result":null}')
            server.setPathResponse("/QuillonService.svc/listUsers", 200, JSON.stringify({ "status": 0, "result": { "items": [
                { "id": 2, "n": "Adam District", "r": 1 }, { "id": 5, "n": "=Lena, \"Blue\"", "r": 5 } ] } }))
            var items = [record(9, { "aId": 5, "aN": "=Lena, \"Blue\"", "eN": "Hall, west" }),
                         failedSignIn(8, "127.0.0.1"), failedSignIn(7, "127.0.0.1"), failedSignIn(6, "127.0.0.1"),
                         failedSignIn(5, "10.0.0.9"), record(4, {})]
            server.setPathResponse("/QuillonService.svc/listAuditRecords", 200,
                                   JSON.stringify({ "status": 0, "result": { "items": items, "total": items.length } }))
        }

        function init() {
            AuditDictionary.manager.filter.reset()
        }

        function sentences(view) {
            var list = findChild(view, "activityList")
            var texts = []
            for (var i = 0; i < list.count; ++i)
                texts.push(list.itemAtIndex(i) ? findChild(list.itemAtIndex(i), "activitySentence").serviceText : "")
            return texts
        }

        // Failed sign-ins one after the other for one login from one address make one row.
        function test_failedSignInsAreGrouped() {
            var view = createTemporaryObject(viewComponent, root)
            var list = findChild(view, "activityList")
            tryCompare(list, "count", 4, 5000)
            compare(sentences(view), [
                "=Lena, \"Blue\" changed device 'Hall, west' — done",
                "3 failed sign-ins for admin@example.com from 127.0.0.1",
                "Failed sign-in for admin@example.com from 10.0.0.9",
                "Adam District changed device 'Hall' — done"
            ])
        }

        // The acting user typed by name and a method narrow the list and the export; the file
        // holds every record found, one a line, a formula-like name defused.
        function test_filteredRecordsAreExported() {
            var view = createTemporaryObject(viewComponent, root)
            var actor = findChild(view, "activityActorFilter")
            tryCompare(actor, "count", 3, 5000)
            actor.editText = "lena"
            actor.accepted()
            compare(view.manager.filter.actorId, "5")
            actor.editText = "Nobody"
            actor.accepted()
            verify(actor.unknownName)
            compare(view.manager.filter.actorId, "5")
            var method = findChild(view, "activityMethodFilter")
            method.currentIndex = method.find("updateDevice")
            method.activated(method.currentIndex)
            compare(view.manager.filter.method, "updateDevice")
            // The list is asked again with the criteria just chosen, not the ones before.
            tryVerify(function () {
                return requests("listAuditRecords").some(function (r) {
                    var body = JSON.parse(r.body)
                    return body.paging.take === 100 && !!body.filter && body.filter.method === "updateDevice"
                           && body.filter.actorId === 5
                })
            }, 3000)

            var file = String(IO.defaultDocumentsDirectory) + "/activity-export.csv"
            var finished = createTemporaryObject(spyComponent, testCase, { "target": view.csvExport, "signalName": "finished" })
            view.exportCsvTo(file)
            finished.wait(5000)
            compare(finished.signalArguments[0][1], "6 records exported.")
            var pages = requests("listAuditRecords").map(function (r) { return JSON.parse(r.body) })
                                                     .filter(function (body) { return body.paging.take === 1000 })
            compare(pages.length, 1)
            var body = pages[0]
            compare(body.filter.actorId, 5)
            compare(body.filter.method, "updateDevice")
            var lines = String(LocalIO.readFileText(file)).split("\r\n")
            compare(lines.length, 8) // header, six records, and the empty rest after the last line end
            compare(lines[0].split(",").slice(0, 3), ["time (UTC)", "acting user id", "acting user"])
            compare(lines[1], '2023-11-14T22:13:11.000Z,5,"\'=Lena, ""Blue""",,,updateDevice,update,device,70,"Hall, west",,,,0,127.0.0.1')
            findChild(view, "exportProgressDialog").close()
        }
    }
}
