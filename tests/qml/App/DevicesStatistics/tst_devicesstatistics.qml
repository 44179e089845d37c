import QtQuick 2.15
import QtTest 1.15
import App.DevicesStatistics 1.0

// The figures behind the device usage charts, on devices made up here.
TestCase {
    name: "DevicesStatistics"

    readonly property real hour: 3600 * 1000
    // Saturday 2 January 2021, 00:00 UTC.
    readonly property real saturday: Date.UTC(2021, 0, 2)

    function device(id, tags, periods) {
        return { "idd": id, "tags": tags, "onlineTimes": periods }
    }

    function period(fromHour, toHour) {
        var result = { "b": saturday + fromHour * hour }
        if (toHour !== undefined)
            result["e"] = saturday + toHour * hour
        return result
    }

    function steps(points) {
        return points.map(function (point) { return [(point.x - saturday) / hour, point.y] })
    }

    function test_onlineSteps_data() {
        var far = saturday + 100 * hour
        return [
            { tag: "no devices", devices: [], now: far, steps: [] },
            { tag: "devices without periods", devices: [device(1, [], []), device(2, [], undefined)], now: far, steps: [] },
            { tag: "one period", devices: [device(1, [], [period(1, 3)])], now: far,
              steps: [[1, 1], [3, 1], [3, 0]] },
            { tag: "simultaneous starts make one jump", devices: [device(1, [], [period(1, 3)]), device(2, [], [period(1, 2)])], now: far,
              steps: [[1, 2], [2, 2], [2, 1], [3, 1], [3, 0]] },
            { tag: "an end and a start at one instant", devices: [device(1, [], [period(1, 2)]), device(2, [], [period(2, 4)])], now: far,
              steps: [[1, 1], [2, 1], [2, 1], [4, 1], [4, 0]] },
            { tag: "events out of order", devices: [device(1, [], [period(5, 6), period(1, 2)])], now: far,
              steps: [[1, 1], [2, 1], [2, 0], [5, 0], [5, 1], [6, 1], [6, 0]] },
            { tag: "points after now dropped", devices: [device(1, [], [period(1, 3)]), device(2, [], [period(2, 5)])], now: saturday + 2.5 * hour,
              steps: [[1, 1], [2, 1], [2, 2]] },
            { tag: "a period still open never ends", devices: [device(1, [], [period(1)]), device(2, [], [period(2, 3)])], now: far,
              steps: [[1, 1], [2, 1], [2, 2], [3, 2], [3, 1]] }
        ]
    }

    function test_onlineSteps(data) {
        compare(steps(DevicesStatistics.onlineSteps(data.devices, data.now)), data.steps)
    }

    function test_axisMaximum_data() {
        return [
            { tag: "0", highest: 0, maximum: 5 },
            { tag: "4", highest: 4, maximum: 5 },
            { tag: "12", highest: 12, maximum: 15 },
            { tag: "14", highest: 14, maximum: 15 },
            { tag: "15", highest: 15, maximum: 20 }
        ]
    }

    function test_axisMaximum(data) {
        compare(DevicesStatistics.axisMaximum(data.highest), data.maximum)
    }

    function test_weekdayCounts_data() {
        var now = saturday + 30 * 24 * hour
        return [
            { tag: "no devices", devices: [], now: now, counts: [0, 0, 0, 0, 0, 0, 0] },
            { tag: "saturday into sunday counts both", devices: [device(1, [], [period(22, 26)])], now: now,
              counts: [1, 0, 0, 0, 0, 0, 1] },
            // Sunday comes first although the days are counted Monday first.
            { tag: "monday to wednesday", devices: [device(1, [], [period(48 + 1, 48 + 3 * 24 - 1)])], now: now,
              counts: [0, 1, 1, 1, 0, 0, 0] },
            { tag: "one device counts once a day", devices: [device(1, [], [period(1, 2), period(5, 6), period(7 * 24 + 1, 7 * 24 + 2)])], now: now,
              counts: [0, 0, 0, 0, 0, 0, 1] },
            { tag: "devices add up", devices: [device(1, [], [period(1, 2)]), device(2, [], [period(3, 4)]), device(3, [], [])], now: now,
              counts: [0, 0, 0, 0, 0, 0, 2] },
            { tag: "more than a week marks every day", devices: [device(1, [], [period(0, 20 * 24)])], now: now,
              counts: [1, 1, 1, 1, 1, 1, 1] },
            { tag: "an open period lasts until now", devices: [device(1, [], [period(23)])], now: saturday + 49 * hour,
              counts: [1, 1, 0, 0, 0, 0, 1] }
        ]
    }

    function test_weekdayCounts(data) {
        compare(DevicesStatistics.weekdayCounts(data.devices, data.now), data.counts)
    }

    function test_distributionLeavesOutEmptyTags() {
        // Entities hold their tags in "tagIds", service items in "tags".
        var devices = [device(1, [300, 330, 401], []), { "idd": 2, "tagIds": [330, 403] }, device(3, [310], []), { "idd": 4 }, null]
        var campuses = DevicesStatistics.distribution(devices, DevicesStatistics.campuses)
        compare(campuses.map(function (slice) { return [slice.tagId, slice.count, slice.color] }),
                [[310, 1, "#00ADDC"], [330, 2, "#EA152E"]])
        var rooms = DevicesStatistics.distribution(devices, DevicesStatistics.cabinetTypes)
        // Colours follow the tag's place in its group, not the slice's.
        compare(rooms.map(function (slice) { return [slice.tagId, slice.color] }), [[401, "#99CA53"], [403, "#F6A625"]])
        compare(DevicesStatistics.distribution([], DevicesStatistics.campuses), [])
    }

    function test_tagName() {
        var tags = [{ "idd": 401, "name": "Lecture hall" }, { "idd": 310, "name": "Blue Campus" }]
        compare(DevicesStatistics.tagName(tags, 310), "Blue Campus")
        compare(DevicesStatistics.tagName(tags, 999), "999")
        compare(DevicesStatistics.tagName(undefined, 401), "401")
    }
}
