import QtQuick 2.15
import QtQml 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Ostrel 1.0
import EntitiesUi 1.0
import App.Tasks 1.0
import App.Tasks.TaskEditor 1.0

// The task dialog's content: timing and target tags on the left, the type's data editor on the
// right. Everything edits the handler's current task and filter; the handler sends the task.
EditEntityUi {
    id: editor

    readonly property bool isNewEntity: true
    property var handler: TasksDictionary.tasksHandler
    readonly property var entity: handler ? handler.currentTask : null
    property bool tagSelectionDisabled: false
    readonly property int taskType: handler ? handler.currentTaskType : Tasks.ShowMessage
    property TasksManager manager: null
    property TasksUtilityManager utilityManager: null
    readonly property var dataEditor: dataEditorLoader.item
    readonly property var selectedTagIds: tagSelection.item && !tagSelectionDisabled
                                          ? tagSelection.item.selectedTagIds || [] : []

    isAcceptable: !!dataEditor && dataEditor.isAcceptable && general.windowValid

    function restart() {
        general.init()
        if (dataEditor)
            dataEditor.resetRequested()
        if (tagSelection.item && tagSelection.item.clearSelection)
            tagSelection.item.clearSelection()
    }

    // A task the service refused comes back as the operator left it.
    onOpening: {
        if (!handler || !handler.inputKept)
            restart()
    }
    onEntityChanged: restart()

    SplitView {
        anchors.fill: parent

        ColumnLayout {
            SplitView.preferredWidth: editor.width * 0.4
            SplitView.minimumWidth: 240

            TaskGeneralEditor {
                id: general
                objectName: "taskGeneralEditor"
                Layout.fillWidth: true
                devicesCount: editor.handler ? editor.handler.currentDevicesTotal : 0
            }

            Loader {
                id: tagSelection
                Layout.fillWidth: true
                Layout.fillHeight: true
                enabled: !editor.tagSelectionDisabled
                source: "qrc:///App/Tasks/TaskEditor/Ui/TaskTagSelection.qml"
            }
        }

        Loader {
            id: dataEditorLoader
            objectName: "taskDataEditorLoader"
            SplitView.fillWidth: true
            source: editor.handler ? editor.handler.currentTaskDataEditor : ""
            onLoaded: item.resetRequested()
        }
    }

    Binding {
        target: editor.dataEditor
        property: "manager"
        value: editor.utilityManager
        restoreMode: Binding.RestoreNone
    }

    Binding {
        target: editor.dataEditor
        property: "type"
        value: editor.taskType
        restoreMode: Binding.RestoreNone
    }

    Binding {
        target: editor.entity
        property: "taskData"
        value: editor.dataEditor ? editor.dataEditor.value : ""
        when: !!editor.dataEditor
        restoreMode: Binding.RestoreNone
    }

    Binding {
        target: editor.entity
        property: "validFrom"
        value: general.validF
        restoreMode: Binding.RestoreNone
    }

    Binding {
        target: editor.entity
        property: "validTo"
        value: general.validT
        restoreMode: Binding.RestoreNone
    }

    Binding {
        target: editor.entity
        property: "dispersion"
        value: general.dispersion
        restoreMode: Binding.RestoreNone
    }

    Binding {
        target: editor.handler ? editor.handler.currentFilter : null
        property: "anyOfTagIds"
        value: editor.selectedTagIds
        restoreMode: Binding.RestoreNone
    }

    Binding {
        target: editor.handler
        property: "rolloutPlan"
        value: editor.taskType === Tasks.FirmwareUpdate && !!editor.dataEditor
               && !!editor.dataEditor.inStages ? editor.dataEditor.stagesPlan : null
        restoreMode: Binding.RestoreNone
    }

    Binding {
        target: editor.handler
        property: "firmwareToTheLatest"
        value: editor.taskType === Tasks.FirmwareUpdate && !!editor.dataEditor
               && !!editor.dataEditor.useLatestVersion
        restoreMode: Binding.RestoreNone
    }
}
