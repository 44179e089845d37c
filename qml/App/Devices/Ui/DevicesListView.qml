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
    // The loaded devices in the chosen order; a new page or a new order is one new model. Sorted
    // when those change, not on every edit of a device, so the current device stays put.
    readonly property var sortedDevices: __sortedDevices
    property var __sortedDevices: []
    readonly property var currentEntity: list.currentIndex >= 0 && list.currentIndex < sortedDevices.length
                                         ? sortedDevices[list.currentIndex] : null
    readonly property alias count: list.count
    readonly property alias list: list

    function sort(descending, key) {
        view.descending = descending
        view.sortField = key
    }

    // A list for another filter (restart) starts at its first device, at the top. A new order
    // keeps the current device and shows it; a reload or a new page keeps it and the scroll
    // position too.
    function __resort(restart, keepPosition) {
        if (restart)
            list.lastSelectedEntityId = null
        else if (currentEntity)
            list.lastSelectedEntityId = currentEntity.idd
        var position = list.contentY
        __sortedDevices = __sorted(manager ? manager.devices : [], sortField, descending)
        if (restart) {
            list.currentIndex = 0
            list.positionViewAtBeginning()
        } else if (keepPosition) {
            list.contentY = position
        }
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
            model: view.sortedDevices
            reuseItems: true
            isDataLoading: !!view.manager && view.manager.listDevices.isLoading && view.manager.requestedSkip === 0

            delegate: DeviceListViewItem {
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
    }

    Connections {
        target: view.manager

        function onDevicesChanged() {
            var filter = JSON.stringify(view.manager.filterJson)
            var restart = view.manager.requestedSkip === 0 && filter !== d.listedFilter
            d.listedFilter = filter
            view.__resort(restart, true)
        }
    }

    Connections {
        target: view.manager ? view.manager.filter : null
        function onFilterChanged() { list.positionViewAtBeginning() }
    }
}
