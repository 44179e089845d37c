import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0
import App.MockupDatasets 1.0
import "qrc:///App/MockupDatasets/MockupDevices.js" as MockupDevices

TestCase {
    id: testCase
    name: "MockupDataset"

    readonly property url sample: Qt.resolvedUrl("devices-sample.tsv")

    function cleanup() {
        MockupDataset.devicesCountLimit = Qt.binding(function () { return MockupConfig.devicesCountLimit })
        MockupDataset.source = "qrc:///App/MockupDatasets/Devices.tsv"
    }

    function deviceById(id) {
        return MockupDataset.devices.filter(function (device) { return device.idd === id })[0]
    }

    function test_deliveredTableIsSwitchedOff() {
        compare(MockupDataset.devices.length, 0)
        MockupDataset.source = Qt.resolvedUrl("devices-switched-off.tsv")
        compare(MockupDataset.devices.length, 0)
    }

    function test_devicesFromTable() {
        MockupDataset.source = sample
        // The line with an empty cabinet type gives no device.
        compare(MockupDataset.devices.map(function (device) { return device.idd }), [70001, 70003, 70004, 70005])
        var first = deviceById(70001)
        compare(first.deviceId, "ifp-10000")
        compare(first.title, "IFP Gen 3 75\"")
        compare(first.deviceModel, "Gen 3 75\"")
        verify(first.isOnline)
        compare(first.tagIds, [10, 14, 20, 21, 300, 310, 312, 400, 402])
        compare(first.ipAddresses.length, 1)
        // Cells are trimmed before their names are looked up.
        compare(deviceById(70004).tagIds, [10, 15, 20, 21, 300, 320, 322, 400, 401])
        verify(!deviceById(70003).isOnline)
        // Each campus has an address block of its own; the line number ends the address.
        var blockOf = function (device) { return device.ipAddresses[0].split(".").slice(0, 2).join(".") }
        verify(blockOf(first) !== blockOf(deviceById(70004)))
        compare(first.ipAddresses[0].split(".")[3], "1")
        compare(deviceById(70004).ipAddresses[0].split(".")[3], "4")
        // Whole-number versions ascending, then the others.
        compare(Object.keys(MockupDataset.firmwares), ["990", "1050", "AB1040"])
    }

    function test_limit() {
        MockupDataset.source = sample
        MockupDataset.devicesCountLimit = 4
        compare(MockupDataset.devices.map(function (device) { return device.idd }), [70001, 70003, 70004])
    }

    function test_historyWithTimeShift() {
        MockupDataset.source = sample
        var today = MockupDataset.today
        var begin = today.beginOfTheWeek.addDays(-14).jsDateValue
        var end = today.addDays(1).jsDateValue
        var hour = 3600 * 1000
        for (var line = 0; line < 4; line += 3) {
            var device = deviceById(70001 + line)
            var shift = MockupDevices.timeShiftMinutes(line, 40, 5) * 60000
            var times = device.onlineTimes
            // "--xx--": online from 8 to 16 o'clock of each day of the window.
            verify(times.length >= 14)
            compare(times[0].b, begin + 8 * hour + shift)
            compare(times[0].e, begin + 16 * hour + shift)
            compare(times[1].b - times[0].b, 24 * hour)
            verify(times[times.length - 1].b < end + shift)
        }
        compare(MockupDevices.timeShiftMinutes(0, 40, 5), 20)
        // i = 1: the fractional part of π is 0.14159…, 40·e^0.14159 − 20 = 26.08 → 25.
        compare(MockupDevices.timeShiftMinutes(1, 40, 5), 25)
    }

    function test_tagTree() {
        compare(MockupDataset.tags.length, 32)
        var floors = MockupDataset.tags.filter(function (tag) { return tag.parentId === 310 })
        compare(floors.length, 6)
        compare(MockupDataset.tags.filter(function (tag) { return tag.idd === 13 })[0].name, "70\"")
        compare(MockupDataset.tagsManager.listTags.result.length, 32)
    }
}
