import QtQuick 2.15
import EntitiesUi 1.0
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.Tasks 1.0
import App.Tasks.TaskEditor.Ui 1.0
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

// Creates a task through the tasks handler: OK commits it, Cancel drops it.
EditEntityDialog {
    id: dialog
    objectName: "taskDialog"

    property alias tagSelectionDisabled: editor.tagSelectionDisabled

    entityTypeName: Strings.taskEntityName
    width: parent ? parent.width * 0.95 : implicitWidth
    height: parent ? parent.height * 0.95 : implicitHeight

    header: TaskEditorHeaderUi {
        title: dialog.title
    }

    entityEditorUi: TaskEditor {
        id: editor
        objectName: "taskEditor"
        manager: TasksDictionary.manager
        utilityManager: TasksDictionary.utilityManager
    }

    onAboutToShow: TasksDictionary.tasksHandler.editing = true
    onClosed: TasksDictionary.tasksHandler.editing = false
    onAccepted: TasksDictionary.tasksHandler.commit()
    onRejected: TasksDictionary.tasksHandler.reject()

    Connections {
        target: TasksDictionary.tasksHandler
        function onTasksSent(count, type) {
            Controls.Feedback.confirm(count === 1 ? qsTr("Task %1 created.").arg(TaskTexts.typeName(type))
                                                  : qsTr("%1 tasks %2 created.").arg(count).arg(TaskTexts.typeName(type)))
        }
    }
    Connections {
        target: TasksDictionary.rolloutsManager.addRollout
        function onInvokedOk() { Controls.Feedback.confirm(qsTr("Firmware rollout started.")) }
    }
}
