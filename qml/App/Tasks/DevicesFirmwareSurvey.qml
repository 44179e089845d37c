import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Managers 1.0
import "FirmwareGroups.js" as FirmwareGroups

// Every device a filter finds, read page by page, and the groups of those behind the latest
// firmware of their code. A fleet update must reach all of them, not just a first page.
QmlObject {
    id: survey

    property DevicesFilter filter: null
    // Per firmware code the latest version.
    property var maxVersions: ({})
    property bool active: false
    property int pageSize: 1000

    readonly property bool ready: __ready
    readonly property bool failed: __failed
    readonly property var devicesGroups: __ready ? FirmwareGroups.groups(__devices, maxVersions) : ({})
    readonly property int deviceCount: __devices.length

    property var __devices: []
    property bool __ready: false
    property bool __failed: false
    property int __skip: 0

    function restart() {
        page.loader.abort()
        __devices = []
        __ready = false
        __failed = false
        __skip = 0
        if (active && filter && AuthManager.currentLoginInfo.sessionToken)
            page.invoke()
    }

    function __onPage() {
        var items = page.result || []
        var answer = page.jsonResult && page.jsonResult.result ? page.jsonResult.result : {}
        var total = Number(answer.total) || 0
        __devices = __devices.concat(items.map(function (device) {
            return {
                "idd": device.idd,
                "firmwareVersionCode": device.firmwareVersionCode,
                "firmwareVersionNumber": device.firmwareVersionNumber
            }
        }))
        if (items.length > 0 && __skip + items.length < total) {
            __skip += items.length
            page.invoke()
        } else {
            __ready = true
        }
    }

    onActiveChanged: restart()
    onFilterChanged: restart()
    Component.onCompleted: restart()

    property Connections __filterChanges: Connections {
        target: survey.filter
        function onFilterChanged() { survey.restart() }
    }

    property Connections __sessionChanges: Connections {
        target: AuthManager.currentLoginInfo
        function onSessionTokenChanged() { survey.restart() }
    }

    property CollectionService __page: CollectionService {
        id: page

        baseUrl: Endpoints.serviceUri
        method: "listDevices"
        manual: true
        collectionProperty: "result.items"
        delegate: DeviceSerializer
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": DevicesFilterDeserializer.jsonEntity(survey.filter),
            "paging": { "skip": survey.__skip, "take": survey.pageSize, "calcTotal": true },
            "what": "id,fw"
        })
        onInvokedOk: survey.__onPage()
        onInvokedFail: {
            console.warn("DevicesFirmwareSurvey: the devices could not be listed:", message)
            survey.__failed = true
        }
    }
}
