import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import QtQuickX 1.0
import Ostrel 1.0
import App.Constants 1.0
import App.Controls 1.0
import App.Devices 1.0
import App.Export 1.0
import App.Managers 1.0
import App.MockupDatasets 1.0
import App.Tags 1.0
import App.Tags.Ui 1.0
import App.Tasks 1.0
import App.Tasks.Ui 1.0
import EntitiesUi 1.0
import Datamizer 1.0

// The fleet: the filter panel, the devices it finds (page by page) and the current device.
QQC2.Pane {
    id: view
    objectName: "manageDevicesView"

    property var navigator: null
    property string title: Strings.deviceTitle
    property bool showAndUseFilterEditor: true
    property DevicesFilter filter: TasksDictionary.devicesFilter
    readonly property DevicesManager manager: DevicesManager {
        mockup: MockupConfig.useMockupDatasets
        mockupDevices: mockup ? MockupDataset.devices : []
        filter: view.showAndUseFilterEditor ? view.filter : null
        choicesWanted: sidePanels.wanted
    }
    readonly property DeviceLocationNames locationNames: DeviceLocationNames {}
    readonly property DevicesCsvExport csvExport: DevicesCsvExport {
        locationNameOf: view.locationNames.nameOf
    }
    readonly property var currentDevice: devicesList.currentEntity
    // The device the editor works on: the current one, unless edits of another are not stored
    // and the operator has yet to say what becomes of them.
    property var editedDevice: null
    // A role that may not store edits is not asked to save them.
    readonly property bool hasUnsavedEdits: !!deviceEditor && deviceEditor.dirty && Rights.may(RoleRights.EditDevice)
    readonly property alias devicesList: devicesList
    // Made once the first rows are on screen, or shortly after opening when the list is slow:
    // the operator looks at the list first. Null until then.
    readonly property var deviceEditor: deviceEditorLoader.item
    readonly property var filterEditor: filterEditorLoader.item

    // The current device's settings are read again with the list.
    function reloadDevices() {
        manager.reload()
        if (deviceEditor)
            deviceEditor.settingsTab.reload()
    }

    // Settings go to every device of the shared filter, even while its panel is hidden.
    function openSettingsForFound() {
        settingsForAllDialog.open()
    }

    // A task for exactly the current device, through the handler's own filter.
    function openTaskForCurrentDevice() {
        var handler = TasksDictionary.tasksHandler
        handler.useAlternativeFilter = true
        handler.alternativeFilter.reset()
        handler.alternativeFilter.ids = [currentDevice.idd]
        handler.alternativeFilter.includeServants = true
        taskDialog.open()
    }

    // A task for every device the shared filter finds, also while the panel is hidden.
    function openTaskForFound() {
        var handler = TasksDictionary.tasksHandler
        handler.useAlternativeFilter = false
        handler.alternativeFilter.reset()
        taskDialog.open()
    }

    function tagFoundDevices() {
        var dialog = tagDialog.make()
        dialog.entityEditorUi.entity = TagsDictionary.manager.createNewLocalEntity({ "name": qsTr("Current selection") }, view)
        dialog.open()
    }

    function unbindCurrentDevice() {
        var dialog = confirmUnbindDialog.make()
        dialog.entity = currentDevice
        dialog.open()
    }

    // Every device the current filter finds, from all pages, into a CSV file.
    function exportCsvTo(fileUrl) {
        exportDialogs.exportTo(fileUrl, manager.filterJson)
    }

    // Asked by the navigator before the screen goes (back, log-off). Without a session (it has
    // expired) nothing could be saved, so nothing is asked.
    function holdLeaving(proceed) {
        if (!hasUnsavedEdits || !AuthManager.currentLoginInfo.sessionToken)
            return false
        __askBeforeLeaving(proceed, null)
        return true
    }

    function __followCurrentDevice() {
        var next = currentDevice
        if (next === editedDevice)
            return
        // The same device read again is no leaving; a list on its way keeps the edited device.
        if (!hasUnsavedEdits || (!!next && !!editedDevice && next.idd === editedDevice.idd)) {
            editedDevice = next
            return
        }
        if (!next)
            return
        __askBeforeLeaving(function () { view.editedDevice = view.currentDevice },
                           function () { devicesList.selectDevice(view.editedDevice.idd) })
    }

    function __askBeforeLeaving(proceed, stay) {
        leaving.proceed = proceed
        leaving.stay = stay
        unsavedDialog.deviceName = editedDevice ? editedDevice.title : ""
        unsavedDialog.open()
    }

    function __leave(proceed) {
        var action = proceed ? leaving.proceed : leaving.stay
        leaving.proceed = null
        leaving.stay = null
        leaving.saving = false
        if (action)
            action()
    }

    function reportFailure(entityTypeName, message) {
        var dialog = errorDialog.make()
        dialog.entityTypeName = entityTypeName
        dialog.reason = message || Strings.requestFailedError
        dialog.open()
    }

    Component.onCompleted: filter.reset()
    onCurrentDeviceChanged: __followCurrentDevice()

    ScreenToolBarRow {
        navigator: view.navigator

        ToolButton {
            objectName: "settingsForAllButton"
            text: Strings.settingsForAll
            icon.source: "/Icons/ifpsettings.svg"
            enabled: devicesList.count > 0
            visible: Rights.may(RoleRights.EditDeviceSettings)
            onClicked: view.openSettingsForFound()
        }
        ToolButton {
            objectName: "unbindDeviceButton"
            text: Strings.deviceUnbind
            icon.source: "/Icons/device-ifp-unbind.svg"
            enabled: !!view.currentDevice && view.currentDevice.idd !== 0
            visible: Rights.may(RoleRights.UnbindDevice)
            onClicked: view.unbindCurrentDevice()
        }
        ToolButton {
            objectName: "taskForCurrentButton"
            text: Strings.deviceTaskSingle
            icon.source: "/Icons/task-single.svg"
            enabled: !!view.currentDevice && view.currentDevice.idd !== 0
            visible: Rights.may(RoleRights.AddTask)
            onClicked: view.openTaskForCurrentDevice()
        }
        ToolButton {
            objectName: "taskForFoundButton"
            text: Strings.deviceTaskForFound
            icon.source: "/Icons/task-add.svg"
            enabled: devicesList.count > 0
            visible: Rights.may(RoleRights.AddTask)
            onClicked: view.openTaskForFound()
        }
        ToolButton {
            objectName: "tagFoundButton"
            text: qsTr("Tag all found devices")
            icon.source: "/Icons/tag-plus.svg"
            display: QQC2.AbstractButton.IconOnly
            QQC2.ToolTip.text: text
            QQC2.ToolTip.visible: hovered
            visible: Rights.may(RoleRights.TagDevices)
            onClicked: view.tagFoundDevices()
        }
        ToolButton {
            objectName: "exportCsvButton"
            text: qsTr("Export CSV…")
            enabled: !view.manager.mockup && !view.csvExport.running
            onClicked: exportDialogs.chooseFile()
        }
        ToolButton {
            objectName: "filterToggleButton"
            text: qsTr("Filter")
            icon.source: "/Icons/filter-list.svg"
            display: QQC2.AbstractButton.IconOnly
            checkable: true
            checked: view.showAndUseFilterEditor
            onToggled: view.showAndUseFilterEditor = checked
        }
        ToolButton {
            objectName: "refreshDevicesButton"
            text: qsTr("Refresh")
            icon.source: "/Icons/refresh.svg"
            display: QQC2.AbstractButton.IconOnly
            onClicked: view.reloadDevices()
        }
    }

    ScreenToolBarRow {
        navigator: view.navigator
        place: "secondaryToolBar"

        ToolButton {
            objectName: "sortOrderButton"
            text: devicesList.descending ? qsTr("Descending") : qsTr("Ascending")
            icon.source: devicesList.descending ? "/Icons/sort-descending.svg" : "/Icons/sort-ascending.svg"
            display: QQC2.AbstractButton.IconOnly
            onClicked: devicesList.sort(!devicesList.descending, devicesList.sortField)
        }
        SortfieldSelectorUi {
            objectName: "sortFieldSelector"
            fields: ["name", "customerId"]
            onFieldChanged: devicesList.sort(devicesList.descending, selectedField)
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        readonly property real columnWidth: Math.min(360, Math.max(200, view.width / 4))

        Loader {
            id: filterEditorLoader
            Layout.preferredWidth: parent.columnWidth
            Layout.fillHeight: true
            visible: view.showAndUseFilterEditor
            active: sidePanels.wanted
            sourceComponent: DeviceFilterEditor {
                objectName: "deviceFilterEditor"
                filter: view.filter
                devicesManager: view.manager
            }
        }

        DevicesListView {
            id: devicesList
            objectName: "devicesListView"
            Layout.preferredWidth: parent.columnWidth
            Layout.fillHeight: true
            manager: view.manager
            locationNameOf: view.locationNames.labelOf
        }

        Loader {
            id: deviceEditorLoader
            Layout.fillWidth: true
            Layout.fillHeight: true
            active: sidePanels.wanted
            sourceComponent: DeviceEditor {
                objectName: "deviceEditor"
                entity: view.editedDevice
                navigator: view.navigator
                devicesFilter: view.filter
                locationNameOf: view.locationNames.labelOf
                onUpdateRequested: {
                    view.manager.updateDevice.device = device
                    view.manager.updateDevice.invoke()
                }
            }
        }
    }

    QtObject {
        id: sidePanels

        property bool wanted: false

        readonly property Timer fallback: Timer {
            interval: 250
            running: !sidePanels.wanted
            onTriggered: sidePanels.wanted = true
        }
        readonly property Connections afterRows: Connections {
            target: view.manager
            enabled: !sidePanels.wanted
            function onPageLoaded() { sidePanels.rowsShown.arm() }
        }
        // The first frame drawn after the rows arrived shows them; a swap of an earlier frame
        // handled late does not count.
        readonly property FrameWatcher rowsShown: FrameWatcher {
            window: sidePanels.wanted ? null : view.Window.window
            onFrameShown: sidePanels.wanted = true
        }
    }

    QtObject {
        id: d
        // Set between OK in the tag editor and the answer to the new tag.
        property bool taggingPending: false
        // The new tag's name, for the confirmation of the tagging.
        property string taggedWith: ""
        // A refused task comes back to the operator as he left it, once he has read why.
        property bool reopenTaskDialog: false
    }

    // What follows the operator's answer about unsaved edits.
    QtObject {
        id: leaving
        property var proceed: null
        property var stay: null
        // Save was chosen: the leaving waits for the service's answer.
        property bool saving: false
    }

    Connections {
        target: TasksDictionary.manager.addTask
        function onInvokedFail(message) {
            d.reopenTaskDialog = true
            view.reportFailure(Strings.taskEntityName, message)
        }
    }
    Connections {
        target: view.manager.updateDevice
        function onInvokedOk() {
            var stored = view.manager.updateDevice.device
            if (stored)
                Feedback.confirm(qsTr("Device %1 saved.").arg(stored.title))
            if (view.deviceEditor && stored && view.editedDevice && stored.idd === view.editedDevice.idd)
                view.deviceEditor.markStored()
            view.manager.reload()
            if (leaving.saving)
                view.__leave(true)
        }
        // The operator stays with the device and his edits.
        function onInvokedFail(message) {
            if (leaving.saving)
                view.__leave(false)
            view.reportFailure(Strings.deviceEntityName, message)
        }
    }
    Connections {
        target: view.manager.unbindDevice
        // The list shows the device without its location at once.
        function onInvokedOk() {
            var device = view.manager.unbindDevice.device
            Feedback.confirm(qsTr("Device %1 unbound from its location.").arg(device ? device.title : ""))
            view.manager.reload()
        }
        function onInvokedFail(message) { view.reportFailure(Strings.deviceEntityName, message) }
    }
    Connections {
        target: view.manager.tagDevices
        function onInvokedOk() {
            Feedback.confirm(d.taggedWith ? qsTr("Found devices tagged with \"%1\".").arg(d.taggedWith)
                                          : qsTr("Found devices tagged."))
            d.taggedWith = ""
            view.manager.reload()
        }
        function onInvokedFail(message) { view.reportFailure(Strings.deviceEntityName, message) }
    }
    Connections {
        target: TagsDictionary.manager.createTag
        function onInvokedOk() {
            var created = TagsDictionary.manager.createTag.result
            if (!d.taggingPending || !created)
                return
            d.taggingPending = false
            d.taggedWith = created.name
            view.manager.tagDevices.tagId = created.idd
            view.manager.tagDevices.invoke()
        }
        function onInvokedFail(message) {
            if (!d.taggingPending)
                return
            d.taggingPending = false
            view.reportFailure(Strings.tagEntityName, message)
        }
    }

    // The screen's dialogs are made when first used: most visits open none of them.
    LazyPopup {
        id: tagDialog
        sourceComponent: EditEntityDialog {
            objectName: "tagFoundDialog"

            entityTypeName: Strings.tagEntityName
            width: view.width / 2
            height: implicitHeight

            entityEditorUi: TagEditor {
                onAccept: {
                    if (!entity)
                        return
                    d.taggingPending = true
                    TagsDictionary.manager.createTag.tag = entity
                    TagsDictionary.manager.createTag.invoke()
                }
            }
        }
    }

    LazyPopup {
        id: taskDialog
        sourceComponent: TaskDialog {
            tagSelectionDisabled: true
        }
    }

    LazyPopup {
        id: confirmUnbindDialog
        sourceComponent: ConfirmDeleteEntityDialog {
            objectName: "confirmUnbindDialog"

            entityTypeName: qsTr("device")
            title: qsTr("Unbind device")
            text: qsTr("Unbind device %1 from its location?").arg(entity ? entity.title : "")
            onAccepted: {
                view.manager.unbindDevice.device = entity
                view.manager.unbindDevice.invoke()
            }
        }
    }

    LazyPopup {
        id: errorDialog
        sourceComponent: ErrorEntityDialog {
            objectName: "errorDialog"

            onClosed: {
                if (d.reopenTaskDialog && TasksDictionary.tasksHandler.inputKept)
                    taskDialog.open()
                d.reopenTaskDialog = false
            }
        }
    }

    UnsavedDeviceDialog {
        id: unsavedDialog
        objectName: "unsavedDeviceDialog"

        onAccepted: {
            leaving.saving = true
            view.deviceEditor.apply()
        }
        onDiscarded: {
            view.deviceEditor.discard()
            view.__leave(true)
        }
        onRejected: view.__leave(false)
    }

    LazyPopup {
        id: settingsForAllDialog
        sourceComponent: DeviceSettingsForAllDialog {
            objectName: "settingsForAllDialog"
            deviceFilter: view.filter
            onSettingsWritten: {
                Feedback.confirm(qsTr("Settings written to %1 device(s).").arg(devicesCount))
                view.reloadDevices()
            }
        }
    }

    CsvExportDialogs {
        id: exportDialogs
        exporter: view.csvExport
        onFileChosen: view.exportCsvTo(fileUrl)
    }

    // The application-wide lists this screen shows are given back when it closes.
    ServiceUse {
        services: [TagsDictionary.manager.listTags]
    }
}
