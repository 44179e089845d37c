import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.Controls.Scheduler 1.0
import App.Devices 1.0
import App.DevicesSettings 1.0
import App.Managers 1.0
import EntitiesUi 1.0

// The clock and power schedule settings of one device, or, without a device, of every device
// that deviceFilter finds (prepareSettings).
QQC2.Control {
    id: editor
    objectName: "deviceSettingsEditor"

    property var entity: null
    property var deviceFilter: null
    property var deviceFilterSerializer: DevicesFilterDeserializer
    // The loaded settings by name.
    property var settings: ({})
    readonly property int deviceId: entity ? entity.idd : 0
    readonly property DeviceSettingsManager manager: DeviceSettingsManager {
        filter.deviceId: editor.deviceId
        deviceFilter: editor.deviceFilter
        deviceFilterSerializer: editor.deviceFilterSerializer
    }
    property DeviceSetting autoTimeSetting: null
    property DeviceSetting powerScheduleSetting: null
    readonly property alias errorDialog: errorDialog
    readonly property alias scheduler: scheduler
    // From Apply until the service has stored both settings, and after a failure, the device's
    // edits are kept: the device list reloads after Apply and passes through other devices.
    readonly property bool hasUnstoredEdits: d.revision >= 0 && !!d.unstored[deviceId]

    function __newSetting(name, value) {
        return manager.createNewLocalEntity({
            "name": name,
            "value": value,
            "deviceId": deviceId,
            "userId": AuthManager.currentLoginInfo.userId || 0
        })
    }

    function __startValues() {
        settings = {}
        var kept = d.unstored[deviceId]
        autoTimeSetting = kept ? kept.autoTime : __newSetting("dateTime.autoSync", "true")
        powerScheduleSetting = kept ? kept.powerSchedule : __newSetting("power.schedule", [])
    }

    // A device without a stored clock setting has automatic time switched off.
    function __load(index) {
        if (hasUnstoredEdits)
            return
        settings = index || {}
        var schedule = settings["power.schedule"]
        if (schedule && !schedule.value)
            schedule.value = []
        powerScheduleSetting = schedule || __newSetting("power.schedule", [])
        autoTimeSetting = settings["dateTime.autoSync"] || __newSetting("dateTime.autoSync", "false")
    }

    // Both settings go through one call; the schedule follows 200 ms after the clock setting.
    // The schedule sent is the one on screen at Apply, whatever the editor shows 200 ms later.
    // A stored schedule that could not be read is not written back until the operator makes one.
    function updateSettings() {
        settle()
        d.pending = d.keep(deviceId, autoTimeSetting, powerScheduleSetting)
        manager.syncSettings.setting = autoTimeSetting
        manager.syncSettings.invoke()
        if (scheduler.showsUnreadable)
            d.storedOn(deviceId)
        else
            scheduleSync.reschedule()
    }

    // Loaded settings are objects; prepared ones are already service JSON (no "name").
    function __asJson(setting) {
        return setting && setting.name !== undefined ? DeviceSettingDeserializer.jsonEntity(setting)
                                                     : setting
    }

    // What the operator saw when he committed is what gets stored: a time wheel still turning
    // would otherwise go on changing the schedule after OK.
    function settle() {
        scheduler.settle()
    }

    // Writes every setting of the editor to every device that deviceFilter finds.
    function prepareSettings() {
        var prepared = {}
        for (var name in settings)
            prepared[name] = settings[name]
        prepared["dateTime.autoSync"] = DeviceSettingDeserializer.jsonEntity(autoTimeSetting)
        prepared["power.schedule"] = DeviceSettingDeserializer.jsonEntity(powerScheduleSetting)
        settings = prepared
        manager.writeSettings.setting = Object.keys(prepared).map(function (key) {
            return editor.__asJson(prepared[key])
        })
        manager.writeSettings.invoke()
    }

    // The settings as the service holds them now (after a refresh, or a write to all found
    // devices): edits kept from a failed Apply would otherwise be shown, and sent again, over it.
    // Edits still on their way stay.
    function reload() {
        d.forgetFailed()
        manager.reload()
    }

    // Another device: its own start values (or its unstored edits) until its settings arrive.
    onDeviceIdChanged: __startValues()
    Component.onCompleted: __startValues()

    QtObject {
        id: d

        // Device id -> the edits of its last Apply, until the service has stored both.
        property var unstored: ({})
        property var pending: null
        // Bumped on each change of the map, which bindings cannot see.
        property int revision: 0

        function keep(id, autoTime, powerSchedule) {
            var entry = { "autoTime": autoTime, "powerSchedule": powerSchedule, "stored": 0, "failed": false }
            unstored[id] = entry
            revision++
            return entry
        }

        function forgetFailed() {
            for (var id in unstored) {
                if (unstored[id].failed)
                    delete unstored[id]
            }
            revision++
        }

        function storedOn(id) {
            var entry = unstored[id]
            if (entry && ++entry.stored === 2 && !entry.failed) {
                delete unstored[id]
                revision++
            }
        }
    }

    Connections {
        target: editor.manager.listSettings
        // A failed listing leaves the values on screen.
        function onInvokedOk() { editor.__load(editor.manager.listSettings.resultIndex) }
    }

    Connections {
        target: editor.manager.syncSettings
        function onInvokedOk() {
            var answer = editor.manager.syncSettings.jsonResult.result
            d.storedOn(answer ? answer["dId"] : 0)
        }
        // Unsaved edits stay on screen; the operator learns why they were not stored.
        function onInvokedFail(message) {
            if (d.pending)
                d.pending.failed = true
            errorDialog.reason = message || qsTr("The service gave no usable answer.")
            errorDialog.open()
        }
    }

    Debounce {
        id: scheduleSync
        interval: 200
        onTimeout: {
            editor.manager.syncSettings.setting = d.pending.powerSchedule
            editor.manager.syncSettings.invoke()
        }
    }

    contentItem: ColumnLayout {
        spacing: 8

        Controls.CheckBox {
            objectName: "autoTimeCheckBox"
            text: Strings.autoDateTime
            checked: !!editor.autoTimeSetting && editor.autoTimeSetting.value === "true"
            onClicked: editor.autoTimeSetting.value = checked ? "true" : "false"
        }

        Scheduler {
            id: scheduler
            objectName: "scheduler"
            Layout.fillWidth: true
            Layout.fillHeight: true
            entity: editor.powerScheduleSetting
        }
    }

    ErrorEntityDialog {
        id: errorDialog
        objectName: "settingsErrorDialog"
        parent: QQC2.Overlay.overlay
        entityTypeName: Strings.deviceSettingsEntityName
    }
}
