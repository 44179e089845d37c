import QtQuick 2.15
import QtTest 1.15
import Datamizer 1.0
import App.Tags 1.0
import KestrumTest 1.0

// Lists that outlive their screens give their rows back when the last screen using them closes,
// and every list does at log-off; a list used again is asked again.
TestCase {
    id: testCase
    name: "ServiceUse"

    readonly property string twoTags: '{"status":0,"result":{"items":[{"id":1,"n":"a"},{"id":2,"n":"b"}]}}'

    ScriptedServer { id: server }

    Component {
        id: listComponent
        CollectionService {
            baseUrl: server.url + "/QuillonService.svc"
            method: "listTags"
            collectionProperty: "result.items"
            keepsResult: true
            delegate: TagSerializer
            debounceInterval: 5
            bodyParams: ({ "sessionToken": "token-1" })
        }
    }

    Component {
        id: pagedComponent
        PagedCollectionService {
            baseUrl: server.url + "/QuillonService.svc"
            method: "listDevices"
            collectionProperty: "result.items"
            delegate: TagSerializer
            manual: true
        }
    }

    Component {
        id: useComponent
        ServiceUse {}
    }

    SignalSpy {
        id: resultSpy
        signalName: "resultChanged"
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, twoTags)
    }

    function test_lastScreenClosingGivesTheListBack() {
        var list = createTemporaryObject(listComponent, testCase)
        tryVerify(function () { return list.result && list.result.length === 2 }, 3000)
        var screen = createTemporaryObject(useComponent, testCase, { "services": [list] })
        var other = createTemporaryObject(useComponent, testCase, { "services": [list, null] })
        compare(list.uses, 2)

        // A failed new reading keeps the rows while a screen shows them.
        server.enqueue(500, "")
        list.invoke()
        tryVerify(function () { return list.lastFailure !== "" }, 3000)
        compare(list.result.length, 2)

        other.destroy()
        wait(0)
        compare(list.result.length, 2)
        resultSpy.target = list
        resultSpy.clear()
        screen.destroy()
        wait(0)
        compare(list.uses, 0)
        compare(list.result, null)
        // Views over a long list follow one change, straight to nothing.
        compare(resultSpy.count, 1)
        compare(list.jsonResult, null)

        // A list that runs by itself asks again for the next screen.
        var before = server.requestCount
        var again = createTemporaryObject(useComponent, testCase, { "services": [list] })
        tryCompare(server, "requestCount", before + 1, 3000)
        tryVerify(function () { return list.result && list.result.length === 2 }, 3000)
        compare(list.uses, 1)
        again.services = []
        compare(list.result, null)
    }

    function test_logOffGivesListsBackAndDropsCallsOnTheirWay() {
        var list = createTemporaryObject(listComponent, testCase, { "manual": true })
        list.invoke()
        tryVerify(function () { return list.result && list.result.length === 2 }, 3000)
        var paged = createTemporaryObject(pagedComponent, testCase)
        server.enqueue(200, '{"status":0,"result":{"total":3,"items":[{"id":5}]}}')
        paged.invoke()
        tryCompare(paged, "total", 3, 3000)

        server.enqueue(200, twoTags, 300)
        list.invoke()
        verify(list.isLoading)
        ServiceEvents.sessionEnded()
        verify(!list.isLoading)
        compare(list.result, null)
        compare(paged.result, null)
        compare(paged.total, 0)
        compare(paged.source.length, 0)
        // The answer that was on its way builds nothing.
        wait(500)
        compare(list.result, null)
    }
}
