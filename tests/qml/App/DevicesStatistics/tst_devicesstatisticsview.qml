import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import App.MockupDatasets 1.0
import App.Navigation 1.0
import App.Views 1.0

// The device usage screen opened through the navigator with a dataset made up here; the
// figures are worked out by hand below.
TestCase {
    id: testCase
    name: "DevicesStatisticsView"
    when: windowShown
    visible: true
    width: 1366
    height: 768

    readonly property real hour: 3600 * 1000
    readonly property real now: Date.now()
    readonly property var tags: [
        { "idd": 310, "name": "Blue Campus" }, { "idd": 320, "name": "Green Campus" }, { "idd": 330, "name": "Red Campus" },
        { "idd": 401, "name": "Lecture hall" }, { "idd": 402, "name": "Negotiation room" }, { "idd": 403, "name": "Generic classroom" },
        { "idd": 404, "name": "Physics classroom" }, { "idd": 405, "name": "Biology classroom" }
    ]
    // Nobody on the green campus.
    readonly property var devices: [
        { "isOnline": false, "macAddresses": [], "idd": 70001, "title": "IFP Gen 3 75\"", "tagIds": [300, 330, 400, 401], "onlineTimes": [{ "b": now - 5 * hour, "e": now - 3 * hour }] },
        { "isOnline": false, "macAddresses": [], "idd": 70020, "title": "IFP Gen 4 65\"", "tagIds": [300, 330, 400, 402], "onlineTimes": [{ "b": now - 4 * hour, "e": now - 2 * hour }] },
        { "isOnline": false, "macAddresses": [], "idd": 70029, "title": "IFP Gen 4 84\"", "tagIds": [300, 310, 400, 401], "onlineTimes": [{ "b": now - 4 * hour }] },
        { "isOnline": false, "macAddresses": [], "idd": 70007, "title": "IFP Gen 3 55\"", "tagIds": [300, 310], "onlineTimes": [] }
    ]

    MainView {
        id: mainView
        anchors.fill: parent
    }

    property var view: null

    // Without devices the screen charts the offline dataset.
    function open(devices) {
        tryCompare(findChild(mainView, "pageStack"), "busy", false, 2000)
        Navigator.replace(null, "qrc:///App/WelcomeView/WelcomeView.qml", {}, StackView.Immediate)
        var properties = devices ? { "devices": devices, "tags": tags } : {}
        Navigator.push("/App/DevicesStatistics/Ui/DevicesStatisticsView.qml", properties, StackView.Immediate)
        view = Navigator.currentItem
        compare(view.objectName, "devicesStatisticsView")
        compare(Navigator.currentItemTitle, "Devices Usage Statistics")
    }

    function showTab(index, pageName) {
        mouseClick(findChild(view.tabBar, "statisticsTab_" + index))
        tryCompare(view.stack.currentItem, "objectName", pageName, 2000)
        return view.stack.currentItem
    }

    // The chart once its page has computed it.
    function computedChart(page) {
        var computed = false
        page.chartLoader.computeRequested.connect(function () { computed = true })
        tryVerify(function () { return computed }, 3000)
        return page.chartLoader.item
    }

    function chooseGroup(page, index) {
        page.groupChooser.comboBox.currentIndex = index
        page.groupChooser.comboBox.activated(index)
    }

    function lineSeries(chart) {
        var result = []
        for (var i = 0; i < chart.count; ++i) {
            var series = chart.series(i)
            var ys = []
            for (var p = 0; p < series.count; ++p)
                ys.push(series.at(p).y)
            result.push({ "name": series.name, "visible": series.visible, "ys": ys, "color": String(series.color) })
        }
        return result
    }

    function test_startsAtSmartAnalyticsAndTheIconTabChangesNothing() {
        open(devices)
        compare(view.tabBar.count, 5)
        compare(view.tabBar.currentIndex, 3)
        var page = view.stack.currentItem
        compare(page.objectName, "smartReportsView")
        mouseClick(findChild(view.tabBar, "statisticsTab_4"))
        // The tab bar switches on the click itself; the wait only covers the stack's transition.
        wait(50)
        compare(view.stack.currentItem, page)
        compare(view.tabBar.currentIndex, 3)
    }

    function test_smartGroupsListTheirDevices() {
        open(devices)
        var page = view.stack.currentItem
        var expected = [[70001, 70020], [70029], [70007, 70029], [], []]
        for (var i = 0; i < expected.length; ++i) {
            page.groupList.currentIndex = i
            compare(page.deviceList.sortedDevices.map(function (device) { return device.idd }).sort(), expected[i], "group " + i)
        }
    }

    function test_onlineSeriesPerGrouping() {
        open(devices)
        var page = showTab(0, "onlineDevicesStatView")
        var chart = computedChart(page)
        // Starts -5h, -4h (two at once), -3h and -2h ends; the open period stays.
        compare(lineSeries(chart), [{ "name": "All devices", "visible": true, "ys": [1, 1, 3, 3, 2, 2, 1], "color": "#0057ae" }])
        compare(chart.countAxis.max, 10)
        verify(chart.series(0).at(0).x === now - 5 * hour)

        chooseGroup(page, 2)
        chart = computedChart(page)
        compare(lineSeries(chart), [
            { "name": "Red campus", "visible": true, "ys": [1, 1, 2, 2, 1, 1, 0], "color": "#ea152e" },
            { "name": "Green campus", "visible": false, "ys": [], "color": "#7fd13b" },
            { "name": "Blue devices", "visible": true, "ys": [1], "color": "#00addc" }
        ])

        chooseGroup(page, 1)
        chart = computedChart(page)
        var series = lineSeries(chart)
        compare(series.map(function (entry) { return entry.name }),
                ["Lecture hall", "Negotiation room", "Generic classroom", "Physics classroom", "Biology classroom"])
        compare(series.map(function (entry) { return entry.visible }), [true, true, false, false, false])
        compare(series[0].ys, [1, 1, 2, 2, 1])
    }

    function test_onlineAxisGrowsWithTheCount() {
        var crowd = []
        for (var i = 0; i < 12; ++i)
            crowd.push({ "isOnline": true, "macAddresses": [], "idd": i, "tagIds": [], "onlineTimes": [{ "b": now - hour }] })
        open(crowd)
        var chart = computedChart(showTab(0, "onlineDevicesStatView"))
        compare(chart.countAxis.max, 15)
        compare(chart.timeAxis.tickCount, 15)
        // The last two weeks up to the end of today.
        var end = new Date(now)
        end.setHours(24, 0, 0, 0)
        compare(chart.timeAxis.max.getTime(), end.getTime())
    }

    function test_distributionSlices() {
        open(devices)
        var page = showTab(1, "devicesDistributionStatView")
        var chart = computedChart(page)
        function slices() {
            var result = []
            for (var i = 0; i < chart.pie.count; ++i)
                result.push([chart.pie.at(i).label, chart.pie.at(i).value, String(chart.pie.at(i).color)])
            return result
        }
        compare(slices(), [["Lecture hall (2)", 2, "#99ca53"], ["Negotiation room (1)", 1, "#209fdf"]])
        chooseGroup(page, 1)
        chart = computedChart(page)
        compare(slices(), [["Blue Campus (2)", 2, "#00addc"], ["Red Campus (2)", 2, "#ea152e"]])
    }

    // Weekdays of the periods' starts and ends, told by the Date object itself.
    function expectedWeekdays(devices) {
        var counts = [0, 0, 0, 0, 0, 0, 0]
        devices.forEach(function (device) {
            var days = {}
            device.onlineTimes.forEach(function (period) {
                days[new Date(period.b).getUTCDay()] = true
                days[new Date(period.e === undefined ? Date.now() : period.e).getUTCDay()] = true
            })
            for (var day in days)
                ++counts[day]
        })
        return counts
    }

    function test_weekdayBars() {
        open(devices)
        var page = showTab(2, "usageHoursStatView")
        var chart = computedChart(page)
        function bars() {
            var result = []
            for (var i = 0; i < chart.bars.count; ++i)
                result.push([chart.bars.at(i).label, chart.bars.at(i).values])
            return result
        }
        var zero = [0, 0, 0, 0, 0, 0, 0]
        compare(bars(), [["Lecture hall", expectedWeekdays([devices[0], devices[2]])],
                         ["Negotiation room", expectedWeekdays([devices[1]])],
                         ["Generic classroom", zero], ["Physics classroom", zero], ["Biology classroom", zero]])
        compare(chart.countAxis.max, 5)
        chooseGroup(page, 1)
        chart = computedChart(page)
        compare(bars(), [["Blue Campus", expectedWeekdays([devices[2]])], ["Green Campus", zero],
                         ["Red Campus", expectedWeekdays([devices[0], devices[1]])]])
        compare(String(chart.bars.at(1).color), "#7fd13b")
    }

    function test_deliveredDatasetGivesEmptyCharts() {
        open()
        compare(view.devices, [])
        compare(view.tags.length, 32)
        compare(findChild(view.stack.currentItem, "smartDeviceList").count, 0)
        var chart = computedChart(showTab(0, "onlineDevicesStatView"))
        compare(lineSeries(chart), [{ "name": "All devices", "visible": false, "ys": [], "color": "#0057ae" }])
        chart = computedChart(showTab(1, "devicesDistributionStatView"))
        compare(chart.pie.count, 0)
        chart = computedChart(showTab(2, "usageHoursStatView"))
        for (var i = 0; i < chart.bars.count; ++i)
            compare(chart.bars.at(i).values, [0, 0, 0, 0, 0, 0, 0])
    }

    // The offline dataset read from a table of the test's own reaches every page.
    function test_offlineDatasetFromATable() {
        MockupDataset.source = Qt.resolvedUrl("devices-usage.tsv")
        try {
            open()
            compare(view.devices.length, 3)
            var page = view.stack.currentItem
            compare(page.deviceList.sortedDevices.map(function (device) { return device.idd }).sort(), [70001, 70020])
            var chart = computedChart(showTab(1, "devicesDistributionStatView"))
            var labels = []
            for (var i = 0; i < chart.pie.count; ++i)
                labels.push(chart.pie.at(i).label)
            compare(labels, ["Lecture hall (2)", "Biology classroom (1)"])
            chart = computedChart(showTab(2, "usageHoursStatView"))
            // Two devices online from midnight to eight every day, one never.
            compare(chart.bars.at(0).values, [1, 1, 1, 1, 1, 1, 1])
            compare(chart.bars.at(4).values, [1, 1, 1, 1, 1, 1, 1])
        } finally {
            MockupDataset.source = "qrc:///App/MockupDatasets/Devices.tsv"
        }
    }

    function test_closingAChartPageWhileItComputes() {
        open(devices)
        showTab(0, "onlineDevicesStatView")
        Navigator.pop(null, StackView.Immediate)
        // The compute is due from the loader's 1 s QML timer; a second beyond it leaves room for a
        // slow sanitized run.
        wait(2000)
        compare(Navigator.currentItem.objectName, "welcomeView")
    }
}
