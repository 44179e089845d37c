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
    // Set from Apply until both settings are stored: the device's edits are not replaced by a
    // listing meanwhile, and after a failure they stay until another device is chosen.
    readonly property bool hasUnstoredEdits: d.editedDeviceId !== 0

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
        autoTimeSetting = __newSetting("dateTime.autoSync", "true")
        powerScheduleSetting = __newSetting("power.schedule", [])
    }

    // A device without a stored clock setting has automatic time switched off.
    function __load(index) {
        if (d.keepsEditsOf(deviceId))
            return
        settings = index || {}
        var schedule = settings["power.schedule"]
        if (schedule && !schedule.value)
            schedule.value = []
        powerScheduleSetting = schedule || __newSetting("power.schedule", [])
        autoTimeSetting = settings["dateTime.autoSync"] || __newSetting("dateTime.autoSync", "false")
    }

    // Both settings go through one call; the schedule follows 200 ms after the clock setting.
    function updateSettings() {
        d.editedDeviceId = deviceId
        d.storedCount = 0
        d.failed = false
        manager.syncSettings.setting = autoTimeSetting
        manager.syncSettings.invoke()
        scheduleSync.reschedule()
    }

    // Loaded settings are objects; prepared ones are already service JSON (no "name").
    function __asJson(setting) {
        return setting && setting.name !== undefined ? DeviceSettingDeserializer.jsonEntity(setting)
                                                     : setting
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

    // Another device: its own start values until its stored settings arrive. A list that
    // reloads passes through no device and back to the same one: unstored edits stay then.
    onDeviceIdChanged: {
        if (deviceId === 0 ? hasUnstoredEdits : d.keepsEditsOf(deviceId))
            return
        d.editedDeviceId = 0
        __startValues()
    }
    Component.onCompleted: __startValues()

    QtObject {
        id: d

        property int editedDeviceId: 0
        property int storedCount: 0
        property bool failed: false

        function keepsEditsOf(id) {
            return editedDeviceId !== 0 && editedDeviceId === id
        }

        function stored() {
            if (++storedCount === 2 && !failed)
                editedDeviceId = 0
        }
    }

    Connections {
        target: editor.manager.listSettings
        // A failed listing leaves the values on screen.
        function onInvokedOk() { editor.__load(editor.manager.listSettings.resultIndex) }
    }

    Connections {
        target: editor.manager.syncSettings
        function onInvokedOk() { d.stored() }
        // Unsaved edits stay on screen; the operator learns why they were not stored.
        function onInvokedFail(message) {
            d.failed = true
            errorDialog.reason = message || qsTr("The service gave no usable answer.")
            errorDialog.open()
        }
    }

    Debounce {
        id: scheduleSync
        interval: 200
        onTimeout: {
            editor.manager.syncSettings.setting = editor.powerScheduleSetting
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
