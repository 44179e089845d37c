import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Constants 1.0
import App.Devices 1.0
import EntitiesUi 1.0

// "Settings: For all found": the settings editor without a device. OK asks the service how many
// devices the filter finds and has the operator confirm before their settings are replaced.
EditEntityDialog {
    id: dialog

    property var deviceFilter: null
    property var deviceFilterSerializer: DevicesFilterDeserializer
    readonly property alias editor: settingsEditor
    readonly property alias confirmation: confirmation
    readonly property alias errorDialog: errorDialog

    signal settingsWritten(int devicesCount)

    function __fail(message) {
        errorDialog.reason = message || qsTr("The service gave no usable answer.")
        errorDialog.open()
    }

    entityTypeName: Strings.deviceSettingsEntityName
    // A schedule row is wide, and the list needs room for a few of them.
    width: parent ? Math.max(implicitWidth, parent.width * 3 / 4) : implicitWidth
    height: parent ? Math.max(400, parent.height * 3 / 4) : implicitHeight
    onAccepted: {
        settingsEditor.settle()
        countDevices.invoke()
    }

    entityEditorUi: EditEntityUi {
        isAcceptable: !countDevices.isLoading && !settingsEditor.manager.writeSettings.isLoading
        // The dialog keeps the values of its last use.
        clearDataAfterClose: false

        DeviceSettingsEditor {
            id: settingsEditor
            objectName: "settingsForAllEditor"
            anchors.fill: parent
            deviceFilter: dialog.deviceFilter
            deviceFilterSerializer: dialog.deviceFilterSerializer
        }
    }

    DevicesCount {
        id: countDevices

        filterJson: dialog.deviceFilter && dialog.deviceFilterSerializer
                    ? dialog.deviceFilterSerializer.jsonEntity(dialog.deviceFilter) : null

        onInvokedOk: confirmation.ask(total)
        onInvokedFail: dialog.__fail(message)
    }

    Connections {
        target: settingsEditor.manager.writeSettings
        function onInvokedOk() {
            var answer = settingsEditor.manager.writeSettings.jsonResult.result
            dialog.settingsWritten(answer && answer.devices || 0)
        }
        function onInvokedFail(message) { dialog.__fail(message) }
    }

    ConfirmActionDialog {
        id: confirmation
        objectName: "confirmReplaceSettingsDialog"

        property int devicesCount: 0

        function ask(count) {
            devicesCount = count
            open()
        }

        parent: dialog.parent
        title: qsTr("Replace settings")
        standardButtons: devicesCount > 0 ? QQC2.Dialog.Ok | QQC2.Dialog.Cancel : QQC2.Dialog.Close
        text: devicesCount > 0
              ? qsTr("The automatic time and the power schedule of %1 device(s) will be replaced by these settings, whatever they hold now. Continue?").arg(devicesCount)
              : qsTr("The filter finds no device: nothing is changed.")
        onAccepted: settingsEditor.prepareSettings()
    }

    ErrorEntityDialog {
        id: errorDialog
        objectName: "settingsForAllErrorDialog"
        parent: dialog.parent
        entityTypeName: Strings.deviceSettingsEntityName
    // A schedule row is wide, and the list needs room for a few of them.
    width: parent ? Math.max(implicitWidth, parent.width * 3 / 4) : implicitWidth
    height: parent ? Math.max(400, parent.height * 3 / 4) : implicitHeight
    }
}
