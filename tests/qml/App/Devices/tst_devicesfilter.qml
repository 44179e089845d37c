import QtQuick 2.15
import QtTest 1.15
import App.Devices 1.0
import KestrumTest 1.0

TestCase {
    id: testCase
    name: "DevicesFilter"

    readonly property string defaultsText: '{"includeServants":true,"unregistered":false,"archivedCustomer":false,'
        + '"isOnline":null,"tagsIds":null,"firmwaresIds":null,"modelsIds":null,"anyOfTagsIds":null,"ids":null}'

    Component {
        id: filterComponent
        DevicesFilter {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function test_json_data() {
        return [
            // The hidden filter panel hands the manager no filter at all.
            { tag: "no filter", change: null, text: defaultsText },
            { tag: "defaults", change: {}, text: defaultsText },
            { tag: "state All", change: { "onlineOnly": undefined }, text: defaultsText },
            { tag: "state On", change: { "onlineOnly": true }, text: defaultsText.replace('"isOnline":null', '"isOnline":true') },
            { tag: "state Off", change: { "onlineOnly": false }, text: defaultsText.replace('"isOnline":null', '"isOnline":false') },
            { tag: "empty lists", change: { "tagIds": [], "ids": [], "models": [] }, text: defaultsText },
            { tag: "criteria",
              change: { "tagIds": [310, 311], "firmwareVersions": ["fw-1"], "models": ["m-2"], "anyOfTagIds": [21],
                        "ids": [7], "includeServants": false, "unregistered": true, "archivedCustomer": false },
              text: '{"includeServants":false,"unregistered":true,"archivedCustomer":false,"isOnline":null,'
                    + '"tagsIds":[310,311],"firmwaresIds":["fw-1"],"modelsIds":["m-2"],"anyOfTagsIds":[21],"ids":[7]}' }
        ]
    }

    function test_json(data) {
        var filter = data.change === null ? null : createTemporaryObject(filterComponent, testCase)
        for (var key in data.change)
            filter[key] = data.change[key]
        compare(JSON.stringify(DevicesFilterDeserializer.jsonEntity(filter)), data.text)
        if (filter) {
            filter.reset()
            compare(JSON.stringify(DevicesFilterDeserializer.jsonEntity(filter)), defaultsText)
        }
    }

    function test_burstOfChangesIsOneFilterChange() {
        var filter = createTemporaryObject(filterComponent, testCase)
        var changes = createTemporaryObject(spyComponent, testCase, { "target": filter, "signalName": "filterChanged" })
        filter.onlineOnly = true
        filter.tagIds = [1]
        filter.models = ["a"]
        compare(changes.count, 0)
        tryCompare(changes, "count", 1)
        // The filter's debounce is a C++ timer of 0 ms: a second change would be due before this.
        TimerSentinel.waitPast(50)
        compare(changes.count, 1)
    }

    function test_cloneIsIndependent() {
        var filter = createTemporaryObject(filterComponent, testCase,
                                           { "tagIds": [3], "onlineOnly": false, "unregistered": true, "includeServants": false })
        var copy = DevicesFilterDeserializer.clone(filter)
        compare(JSON.stringify(DevicesFilterDeserializer.jsonEntity(copy)),
                JSON.stringify(DevicesFilterDeserializer.jsonEntity(filter)))
        copy.tagIds.push(4)
        copy.onlineOnly = undefined
        compare(filter.tagIds, [3])
        compare(filter.onlineOnly, false)
        copy.destroy()
    }

    function test_localFilterFunction() {
        var filter = createTemporaryObject(filterComponent, testCase)
        var on14 = { "isOnline": true, "firmwareVersion": "AB1400" }
        var off15 = { "isOnline": false, "firmwareVersion": "AB1500" }
        verify(filter.localFilterFunction(on14) && filter.localFilterFunction(off15))
        filter.onlineOnly = false
        verify(!filter.localFilterFunction(on14))
        verify(filter.localFilterFunction(off15))
        filter.onlineOnly = undefined
        filter.firmwareVersions = ["AB1400"]
        verify(filter.localFilterFunction(on14))
        verify(!filter.localFilterFunction(off15))
    }
}
