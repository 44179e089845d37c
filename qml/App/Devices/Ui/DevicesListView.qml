import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import App.Devices 1.0
import EntitiesUi 1.0

// The devices the manager has loaded, sorted by the chosen field, with how many the service
// finds; the next page is asked for when the operator reaches the end of the list.
QQC2.Pane {
    id: view

    signal currentEntityIsAboutToChange()

    property DevicesManager manager: null
    property var locationNameOf: function (customerId) { return Strings.notAvailable }
    property bool descending: false
    property string sortField: "name"
    // The loaded devices in the chosen order, as the rows show them. Sorted again when the order
    // or the list changes, not on every edit of a device, so the current device stays put; a
    // further page is merged in, so the rows already made stay.
    readonly property var sortedDevices: __sortedDevices
    property var __sortedDevices: []
    readonly property var currentEntity: d.current
    readonly property alias count: list.count
    readonly property alias list: list

    function sort(descending, key) {
        view.descending = descending
        view.sortField = key
    }

    // A list for another filter (restart) starts at its first device, at the top. A new order
    // keeps the current device and shows it; a reload keeps it and the scroll position too.
    function __resort(restart, keepPosition) {
        var keptId = !restart && currentEntity ? currentEntity.idd : null
        var position = list.contentY
        var devices = manager ? manager.devices : []
        var sorted = __sorted(devices, sortField, descending)
        d.updating = true
        d.taken = devices
        __sortedDevices = sorted
        rows.clear()
        rows.append(sorted.map(function (device) { return { "idd": device.idd } }))
        var index = keptId === null ? -1 : sorted.findIndex(function (device) { return device.idd === keptId })
        list.currentIndex = Math.max(index, 0)
        if (restart)
            list.positionViewAtBeginning()
        else if (keepPosition)
            list.contentY = position
        else if (index >= 0)
            list.positionViewAtIndex(index, ListView.Contain)
        d.updating = false
        d.followCurrentIndex()
    }

    // The devices of a further page go between the rows where the order puts them; the rows
    // already there, their place on screen and the current device stay.
    function __mergePage(fresh) {
        var added = __sorted(fresh, sortField, descending)
        var shown = __sortedDevices
        var key = sortField
        var merged = []
        var runs = []
        var next = 0
        for (var i = 0; i < added.length; ++i) {
            var value = added[i][key]
            // Equal values keep the service's order: the devices listed before come first.
            while (next < shown.length && !__precedes(value, shown[next][key]))
                merged.push(shown[next++])
            var run = runs.length ? runs[runs.length - 1] : null
            if (run && run.at + run.rows.length === merged.length)
                run.rows.push({ "idd": added[i].idd })
            else
                runs.push({ "at": merged.length, "rows": [{ "idd": added[i].idd }] })
            merged.push(added[i])
        }
        while (next < shown.length)
            merged.push(shown[next++])
        d.updating = true
        d.taken = manager.devices
        __sortedDevices = merged
        // In ascending order every run's place counts the runs inserted before it.
        runs.forEach(function (run) { rows.insert(run.at, run.rows) })
        if (currentEntity)
            list.currentIndex = merged.indexOf(currentEntity)
        d.updating = false
        d.followCurrentIndex()
    }

    function __precedes(a, b) {
        return a !== b && (descending ? !(a < b) : a < b)
    }

    // The manager's list grew by a page: the devices shown before are its first ones.
    function __isFurtherPage(devices) {
        var taken = d.taken
        if (taken.length === 0 || devices.length <= taken.length)
            return false
        for (var i = 0; i < taken.length; ++i) {
            if (devices[i] !== taken[i])
                return false
        }
        return true
    }

    onSortFieldChanged: __resort(false, false)
    onDescendingChanged: __resort(false, false)
    onManagerChanged: {
        d.listedFilter = undefined
        __resort(true, false)
    }

    // Devices with equal values keep the service's order.
    function __sorted(devices, key, descending) {
        var order = devices.map(function (device, position) {
            return { "value": device ? device[key] : undefined, "position": position }
        })
        var direction = descending ? -1 : 1
        order.sort(function (a, b) {
            if (a.value !== b.value)
                return a.value < b.value ? -direction : direction
            return a.position - b.position
        })
        return order.map(function (entry) { return devices[entry.position] })
    }

    // "100 of 5,234 devices"
    function countText(loaded, total) {
        return qsTr("%1 of %2 devices").arg(Number(loaded).toLocaleString(Qt.locale(), "f", 0))
                                       .arg(Number(total).toLocaleString(Qt.locale(), "f", 0))
    }

    // Makes the listed device with that id current; nothing when it is not listed.
    function selectDevice(idd) {
        var index = sortedDevices.findIndex(function (device) { return !!device && device.idd === idd })
        if (index >= 0)
            list.currentIndex = index
    }

    function loadMore() {
        if (manager)
            manager.loadNextPage()
    }

    padding: 0

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Label {
            textFormat: Text.PlainText
            objectName: "devicesCountLabel"
            Layout.fillWidth: true
            padding: 8
            text: view.manager ? view.countText(view.manager.devices.length, view.manager.total) : ""
            elide: Text.ElideRight
        }

        ListStatusBanner {
            Layout.fillWidth: true
            service: view.manager ? view.manager.listDevices : null
        }

        ListView {
            id: list
            objectName: "devicesList"

            Layout.fillWidth: true
            Layout.fillHeight: true
            // A row holds its device's id: the device is looked up, so that the model holds no
            // references to objects the manager may have dropped.
            model: ListModel { id: rows }
            // Rows are made for new devices only; pooled rows of a list model outlived their
            // window and crashed on exit.
            reuseItems: false
            isDataLoading: !!view.manager && view.manager.listDevices.isLoading && view.manager.requestedSkip === 0

            delegate: DeviceListViewItem {
                device: view.manager ? view.manager.devicesIndex[modelData] : undefined
                objectName: "deviceRow_" + (device ? device.idd : "")
                locationNameOf: view.locationNameOf
                textColor: view.palette.windowText
                currentTextColor: view.palette.highlightedText
            }

            footer: QQC2.ItemDelegate {
                objectName: "loadMoreRow"
                width: list.width
                visible: !!view.manager && view.manager.hasMore
                height: visible ? implicitHeight : 0
                enabled: !!view.manager && !view.manager.listDevices.isLoading
                text: enabled ? qsTr("Load more") : qsTr("Loading…")
                onClicked: view.loadMore()
            }

            onCurrentIndexChanged: {
                if (!d.updating)
                    d.followCurrentIndex()
            }
            onAtYEndChanged: {
                if (atYEnd && count > 0)
                    view.loadMore()
            }
        }
    }

    Connections {
        target: view.manager ? view.manager.listDevices : null

        // The current device stays on screen until the new rows arrive.
        function onInvoking() {
            if (view.manager.requestedSkip === 0)
                view.currentEntityIsAboutToChange()
        }
    }

    QtObject {
        id: d
        // The filter of the rows shown: rows for another filter start the list again.
        property var listedFilter
        // The manager's devices the rows were made from.
        property var taken: []
        // The current device, set once the rows and the current row agree again.
        property var current: null
        property bool updating: false

        function followCurrentIndex() {
            var index = list.currentIndex
            var device = index >= 0 && index < view.__sortedDevices.length ? view.__sortedDevices[index] : null
            if (device !== current)
                current = device
        }
    }

    Connections {
        target: view.manager

        function onDevicesChanged() {
            var filter = JSON.stringify(view.manager.filterJson)
            var restart = view.manager.requestedSkip === 0 && filter !== d.listedFilter
            d.listedFilter = filter
            var devices = view.manager.devices
            if (!restart && view.manager.requestedSkip > 0 && view.__isFurtherPage(devices))
                view.__mergePage(devices.slice(d.taken.length))
            else
                view.__resort(restart, true)
        }
    }

    Connections {
        target: view.manager ? view.manager.filter : null
        function onFilterChanged() { list.positionViewAtBeginning() }
    }
}
