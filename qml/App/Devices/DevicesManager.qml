import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Managers 1.0

// The device calls of the service. The device list is read page by page: `devices` holds every
// device loaded so far for the current filter and `total` how many the service finds; a change
// of the filter starts again at the first page.
QmlObject {
    id: manager

    property bool mockup: false
    property DevicesFilter filter: null
    // Devices served instead of the service's while in mock-up mode.
    property var mockupDevices: []
    property int pageSize: 100
    // The firmware and model lists feed the filter's choices only: a screen that makes its
    // filter later asks for them then, so that they do not hold up its first rows.
    property bool choicesWanted: true

    readonly property var filterJson: DevicesFilterDeserializer.jsonEntity(filter)
    readonly property var devices: __devices
    readonly property var devicesIndex: __devicesIndex
    // A double: a fleet's total may pass what 32 bits hold.
    readonly property real total: __total
    readonly property bool hasMore: !mockup && __more
    // The page the list asks for next (0 after a filter change or a reload).
    readonly property int requestedSkip: __requestedSkip
    // A reload reads the devices loaded so far again, up to this many, in one page.
    property int maxReloadTake: 1000

    // A page has been added to `devices`; firstPage when the list has started again.
    signal pageLoaded(bool firstPage)

    property var __devices: []
    property var __devicesIndex: ({})
    property real __total: 0
    property bool __more: false
    property int __requestedSkip: 0
    property int __requestedTake: pageSize

    readonly property CollectionService listDevices: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listDevices"
        manual: manager.mockup
        // The filter has its own debounce; the list follows it at once.
        debounceInterval: 0
        // A list that runs by itself waits for a session: without one it could only be refused.
        enabled: manager.mockup || !!AuthManager.currentLoginInfo.sessionToken
        collectionProperty: "result.items"
        listRequired: true
        idProperty: "idd"
        delegate: DeviceSerializer
        mockupInput: manager.mockup ? manager.mockupDevices : undefined
        mockupFilter: {
            var criteria = manager.filterJson // re-filters on every change of the criteria
            var filter = manager.filter
            return filter ? function (device) { return filter.localFilterFunction(device) } : null
        }
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": manager.filterJson,
            "paging": { "skip": manager.__requestedSkip, "take": manager.__requestedTake, "calcTotal": true },
            "what": "*"
        })

        onResultChanged: {
            if (manager.mockup && result)
                manager.__takeMockupList(result)
        }
        onInvokedOk: {
            if (!manager.mockup)
                manager.__takePage()
        }
    }

    readonly property CollectionService listFirmwares: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listFirmwares"
        enabled: manager.choicesWanted && !!AuthManager.currentLoginInfo.sessionToken
        collectionProperty: "result.items"
        idProperty: "idd"
        delegate: DeviceFirmwareSerializer
        bodyParams: ({ "sessionToken": AuthManager.currentLoginInfo.sessionToken })
    }

    readonly property CollectionService listModels: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listModels"
        enabled: manager.choicesWanted && !!AuthManager.currentLoginInfo.sessionToken
        collectionProperty: "result.items"
        idProperty: "idd"
        delegate: DeviceModelSerializer
        bodyParams: ({ "sessionToken": AuthManager.currentLoginInfo.sessionToken })
    }

    readonly property SingleResultService updateDevice: SingleResultService {
        property Device device: null

        baseUrl: Endpoints.serviceUri
        method: "updateDevice"
        manual: true
        delegate: DeviceSerializer
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "device": {
                "id": device ? device.idd : 0,
                "n": device ? device.title : "",
                "tgId": device && device.tagIds ? device.tagIds : []
            }
        })
    }

    readonly property SingleResultService tagDevices: SingleResultService {
        property int tagId: 0

        baseUrl: Endpoints.serviceUri
        method: "tagDevices"
        manual: true
        delegate: null
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "tagId": tagId || null,
            "filter": manager.filterJson
        })
    }

    readonly property SingleResultService unbindDevice: SingleResultService {
        property Device device: null

        baseUrl: Endpoints.serviceUri
        method: "unbindDevice"
        manual: true
        delegate: DeviceSerializer
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "dhi": {
                "version": 1,
                "type": "ifp",
                "mac": device && device.macAddresses && device.macAddresses.length
                       ? device.macAddresses[0] : ""
            },
            "id": device ? device.idd : 0
        })
    }

    // Lists again from the first device, as many as were loaded: the device the operator works
    // on stays in the list.
    function reload() {
        __requestedSkip = 0
        __requestedTake = Math.min(Math.max(pageSize, __devices.length), maxReloadTake)
        listDevices.invoke()
    }

    // Asks for the page after the devices loaded so far.
    function loadNextPage() {
        if (!hasMore || listDevices.isLoading)
            return
        __requestedSkip = __devices.length
        __requestedTake = pageSize
        listDevices.invoke()
    }

    function createNewLocalEntity(properties, owner) {
        return localDevice.createObject(owner || null, properties || {})
    }

    onFilterJsonChanged: {
        __requestedSkip = 0
        __requestedTake = pageSize
    }
    // The offline list is there from the start; later changes arrive through its result.
    Component.onCompleted: {
        if (mockup && listDevices.result)
            __takeMockupList(listDevices.result)
    }

    function __takeMockupList(list) {
        __setDevices(list)
        __total = list.length
        __more = false
        pageLoaded(true)
    }

    function __takePage() {
        var answer = listDevices.jsonResult ? listDevices.jsonResult["result"] : null
        var items = listDevices.result
        if (!answer || !items || !Array.isArray(answer["items"])) {
            // Told like any failed list: a page without its rows is no empty page.
            listDevices.invokedFail(Strings.unreadableAnswerError)
            return
        }
        var skipped = Number(answer["skipped"]) || 0
        var list = items
        if (skipped === __devices.length && skipped > 0) {
            // A device that moved between pages while the list was read is shown once.
            var known = __devicesIndex
            var fresh = items.filter(function (device) { return !known[device.idd] })
            // Nothing new means the end, whatever total the fleet's changes left behind.
            if (fresh.length === 0) {
                __total = __devices.length
                __more = false
                pageLoaded(false)
                return
            }
            list = __devices.concat(fresh)
        } else if (skipped !== 0) {
            return // a page for a list that has started again since
        }
        // The total goes first: the rows made for the new devices ask whether more are to come.
        // A total below the rows at hand is wrong: the rows are what is known. A page with no
        // rows ends the list, whatever it claims.
        var declared = answer["total"]
        if (items.length === 0) {
            __total = list.length
            __more = false
        } else if (typeof declared === "number" && isFinite(declared)) {
            __total = Math.max(Math.floor(declared), list.length)
            __more = list.length < __total
        } else {
            __total = list.length
            __more = items.length >= __requestedTake
        }
        __setDevices(list)
        pageLoaded(skipped === 0)
    }

    function __setDevices(list) {
        var index = {}
        for (var i = 0; i < list.length; ++i)
            index[list[i].idd] = list[i]
        __devicesIndex = index
        __devices = list
    }

    Component {
        id: localDevice
        Device {}
    }
}
