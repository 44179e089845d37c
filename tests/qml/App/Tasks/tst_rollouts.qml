import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tasks 1.0
import KestrumTest 1.0
import "qrc:///App/Tasks/RolloutTexts.js" as RolloutTexts

// The console's side of staged rollouts: offered only by a service that lists them, their
// records cut to size, and the group sizes the operator types.
TestCase {
    id: testCase
    name: "Rollouts"

    ScriptedServer { id: server }

    Component {
        id: managerComponent
        RolloutsManager {}
    }

    readonly property string path: "/QuillonService.svc/listRollouts"

    function initTestCase() {
        verify(server.start())
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-rollouts"
    }

    function test_offeredOnlyByAServiceThatKnowsThem() {
        var manager = createTemporaryObject(managerComponent, testCase)
        var rollout = { "id": 7, "s": 3, "st": 90, "et": 10, "auto": true, "ns": 4,
                        "targets": [{ "d": JSON.stringify({ "version": "1100" }), "n": 5 },
                                    { "d": "x".repeat(5000), "n": 1 }],
                        "groups": [{ "n": 1, "sa": { "DateTime": "/Date(1)/" }, "pc": 0, "rc": 0,
                                     "sc": 0, "cc": 0, "fc": 1 },
                                   { "n": 4, "sa": null }] }
        server.setPathResponse(path, 200, JSON.stringify({ "status": 0, "result": { "items": [rollout] } }))
        manager.reload()
        tryCompare(manager, "available", true)
        compare(manager.rollouts.length, 1)
        var record = manager.rollouts[0]
        compare(record.state, RolloutTexts.Stopped)
        compare(record.versions[0], "1100")
        compare(record.versions[1].length, RolloutTexts.maxTextLength)
        compare(record.groups[0].failed, 1)
        verify(record.groups[0].started)
        verify(!record.groups[1].started)

        // A list that cannot be read says why and keeps the offer.
        server.setPathResponse(path, 200, JSON.stringify({ "status": 3, "result": null }))
        manager.reload()
        tryVerify(function () { return manager.listError !== "" })
        verify(manager.available)

        // A service without the method: no rollouts offered, and no failure shown.
        server.setPathResponse(path, 404, JSON.stringify({ "status": 6, "result": null, "message": "unknown method" }))
        manager.reload()
        tryCompare(manager, "available", false)
        compare(manager.listError, "")
        server.clearPathResponses()
    }

    function test_groupSizes_data() {
        return [
            { tag: "two groups and the rest", text: "1, 10", sizes: [1, 10] },
            { tag: "percent signs", text: "5% 20%", sizes: [5, 20] },
            { tag: "one group", text: "", sizes: [] },
            { tag: "not a number", text: "1, ten", sizes: null },
            { tag: "over 100", text: "101", sizes: null },
            { tag: "fraction", text: "2.5", sizes: null },
            { tag: "too many", text: "1 1 1 1 1 1 1 1 1 1", sizes: null }
        ]
    }

    function test_groupSizes(data) {
        compare(RolloutTexts.parseSizes(data.text), data.sizes)
    }
}
