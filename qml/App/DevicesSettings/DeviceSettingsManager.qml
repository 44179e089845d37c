import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Managers 1.0

// The device settings calls of the service. Settings are listed for one device at a time;
// writeSettings stores settings on every device that deviceFilter finds.
QmlObject {
    id: manager

    property DeviceSettingsFilter filter: DeviceSettingsFilter {}
    property DevicesFilter deviceFilter: null
    // Turns deviceFilter into the "devicesFilter" member.
    property var deviceFilterSerializer: DevicesFilterDeserializer

    readonly property CollectionService listSettings: CollectionService {
        property var jsonedFilter: null

        baseUrl: Endpoints.serviceUri
        method: "listSettings"
        manual: true
        collectionProperty: "result.items"
        idProperty: "name"
        delegate: DeviceSettingSerializer
        // A setting's value is a JSON text that may be long.
        longTextKeys: ["v"]
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": jsonedFilter,
            "what": "*"
        })
    }

    readonly property SingleResultService syncSettings: SingleResultService {
        property DeviceSetting setting: null

        baseUrl: Endpoints.serviceUri
        method: "syncSetting"
        manual: true
        // Settings are synchronised one after the other; an earlier one must still arrive.
        concurrent: true
        delegate: DeviceSettingSerializer
        longTextKeys: ["v"]
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "setting": setting ? DeviceSettingDeserializer.jsonEntity(setting) : null,
            "what": "*"
        })
    }

    readonly property SingleResultService writeSettings: SingleResultService {
        property var setting: []

        baseUrl: Endpoints.serviceUri
        method: "writeSettings"
        manual: true
        delegate: DeviceSettingSerializer
        longTextKeys: ["v"]
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "setting": setting,
            "devicesFilter": manager.deviceFilter && manager.deviceFilterSerializer
                             ? manager.deviceFilterSerializer.jsonEntity(manager.deviceFilter)
                             : null
        })
    }

    // Lists the settings of the filter's device; without a device there is nothing to list.
    function __listForDevice() {
        if (!filter || !filter.deviceId)
            return
        listSettings.jsonedFilter = DevicesSettingsFilterSerializer.jsonEntity(filter)
        listSettings.invoke()
    }

    function reload() {
        __listForDevice()
    }

    // A filter that got its device while the manager was being made is listed at completion.
    Component.onCompleted: __listForDevice()

    readonly property Connections __filterWatch: Connections {
        target: manager.filter
        function onFilterChanged() { manager.__listForDevice() }
    }

    function createNewLocalEntity(properties, owner) {
        return localSetting.createObject(owner || null, properties || {})
    }

    function createNewPowerScheduleValue(properties, owner) {
        return localPowerScheduleValue.createObject(owner || null, properties || {})
    }

    Component {
        id: localSetting
        DeviceSetting {}
    }

    Component {
        id: localPowerScheduleValue
        PowerScheduleValue {}
    }
}
