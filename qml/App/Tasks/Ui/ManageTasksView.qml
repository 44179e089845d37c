import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Ostrel 1.0
import EntitiesUi 1.0
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.Tags 1.0
import App.Managers 1.0
import App.Tasks 1.0
import App.Tickets 1.0
import App.Tickets.Ui 1.0
import Datamizer 1.0

// The tasks with their tickets: filter, task list, the current task's details above its
// tickets. Creates, cancels and retries tasks.
Pane {
    id: view
    objectName: "manageTasksView"

    property var navigator: null
    property bool showAndUseFilterEditor: true
    readonly property string title: Strings.tasksTitle
    readonly property var handler: TasksDictionary.tasksHandler
    readonly property TasksManager manager: TasksDictionary.manager
    readonly property var currentTask: tasksList.currentEntity
    readonly property var failedTicketIds: tickets.failedIds
    // While tickets of the current task wait or run, the list follows them by itself.
    readonly property bool followsTickets: !!navigator && !!currentTask && tickets.hasOpenTickets
    // Why "Cancel task" is disabled; empty while there is something to cancel.
    readonly property string cancelTaskBlocker: !currentTask ? qsTr("Choose a task first.")
                                                : currentTask.pendingCount > 0 ? ""
                                                : qsTr("Nothing to cancel: every ticket of this task has finished.")

    padding: 0

    function addTask() {
        // A refused task is offered again as it was, targets included.
        if (handler.inputKept) {
            taskDialog.open()
            return
        }
        handler.useAlternativeFilter = false
        handler.alternativeFilter.reset()
        handler.mainFilter.reset()
        taskDialog.open()
    }

    // Asks first, naming how many tickets stop.
    function cancelCurrentTask() {
        if (cancelTaskBlocker !== "")
            return
        cancelDialog.taskId = currentTask.idd
        cancelDialog.count = currentTask.pendingCount
        cancelDialog.open()
    }

    function __cancelTask(taskId) {
        manager.cancelTask.taskId = taskId
        manager.cancelTask.invoke()
    }

    function retryFailedTickets() {
        ticketsManager.restartTickets.ticketIds = failedTicketIds
        ticketsManager.restartTickets.invoke()
    }

    // A refusal is told by its status; anything else by what came back (unreachable, an HTTP
    // status, an answer without a status).
    function __reportFailure(component, message) {
        var answer = component.jsonResult
        var status = answer && typeof answer["status"] === "number" ? answer["status"] : NaN
        errorDialog.reason = isNaN(status) || status === 0 ? message : ""
        errorDialog.responseStatus = isNaN(status) ? 0 : status
        errorDialog.open()
    }

    TicketsManager {
        id: ticketsManager
        filter.taskId: view.currentTask ? Number(view.currentTask.idd) : 0
        filter.includeServants: view.manager.filter.includeServants
        // Without a task there is nothing to list.
        listTicketsEnabled: !!view.currentTask
    }

    QtObject {
        id: tickets

        // Only tickets of the current task count: the list may still hold an earlier task's.
        readonly property var result: {
            var task = view.currentTask
            var all = ticketsManager.listTickets.result
            return task && all ? all.filter(function (ticket) { return ticket.taskId === task.idd }) : []
        }
        readonly property bool hasOpenTickets: result.some(function (ticket) {
            return ticket.status === Tasks.Pending || ticket.status === Tasks.Running
        })
        readonly property var failedIds: result.filter(function (ticket) {
            return ticket.status === Tasks.Failed
        }).map(function (ticket) { return Number(ticket.idd) })
        // The task whose open tickets are being followed.
        property string followedTaskId: ""

        // The task's counts are those of the tickets just read, not of the last task list. Only
        // a fresh answer counts: a task list read since holds newer counts than earlier tickets.
        // Only a list with sublocations holds every ticket of the task.
        function takeCounts() {
            var task = view.currentTask
            if (!task || !ticketsManager.filter.includeServants
                    || !ticketsManager.listTickets.answerOk || result.length === 0)
                return
            var counts = [0, 0, 0]
            result.forEach(function (ticket) {
                if (ticket.status === Tasks.Pending || ticket.status === Tasks.Running)
                    ++counts[0]
                else if (ticket.status === Tasks.Completed)
                    ++counts[1]
                else if (ticket.status === Tasks.Failed)
                    ++counts[2]
            })
            task.pendingCount = counts[0]
            task.succeededCount = counts[1]
            task.failedCount = counts[2]
        }

        // The counts of the task change with its tickets: once the followed task's tickets have
        // all finished, the task list is read again.
        onHasOpenTicketsChanged: {
            var taskId = view.currentTask ? view.currentTask.idd : ""
            if (hasOpenTickets) {
                followedTaskId = taskId
            } else if (followedTaskId !== "" && followedTaskId === taskId && view.navigator) {
                followedTaskId = ""
                view.manager.listTasks.invoke()
            }
        }
    }

    Timer {
        objectName: "ticketsFollowTimer"
        interval: 3000
        repeat: true
        running: view.followsTickets
        onTriggered: {
            if (!ticketsManager.listTickets.isLoading)
                ticketsManager.listTickets.invoke()
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        TasksFilterEditor {
            objectName: "tasksFilterEditor"
            Layout.fillHeight: true
            Layout.preferredWidth: Math.min(360, Math.max(200, view.width / 4))
            visible: view.showAndUseFilterEditor
            filter: view.manager.filter
        }

        TasksListView {
            id: tasksList
            Layout.fillHeight: true
            Layout.preferredWidth: Math.max(200, view.width / 4)
            manager: view.manager
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            TaskDetailsEditor {
                objectName: "taskDetails"
                Layout.fillWidth: true
                Layout.preferredHeight: view.height * 0.3
                entity: view.currentTask
            }

            TicketsListView {
                id: ticketsList
                Layout.fillWidth: true
                Layout.fillHeight: true
                enabled: !!view.currentTask
                manager: ticketsManager
                currentTask: view.currentTask
                onOpenDetails: {
                    ticketDetails.entity = ticket
                    ticketDialog.open()
                }
            }
        }
    }

    ScreenToolBarRow {
        navigator: view.navigator

        // A disabled button takes no hover: its holder shows why it is disabled.
        Item {
            visible: Rights.may(RoleRights.CancelTask)
            implicitWidth: cancelTaskButton.implicitWidth
            implicitHeight: cancelTaskButton.implicitHeight

            Controls.ToolButton {
                id: cancelTaskButton
                objectName: "cancelTaskButton"
                anchors.fill: parent
                icon.source: "/Icons/cancel.svg"
                text: Strings.taskCancel
                enabled: view.cancelTaskBlocker === ""
                onClicked: view.cancelCurrentTask()
            }
            HoverHandler {
                id: cancelHover
            }
            ToolTip {
                objectName: "cancelTaskToolTip"
                text: view.cancelTaskBlocker
                visible: cancelHover.hovered && text !== ""
            }
        }

        Controls.ToolButton {
            objectName: "addTaskButton"
            icon.source: "/Icons/task-add.svg"
            text: Strings.taskAdd
            visible: Rights.may(RoleRights.AddTask)
            onClicked: view.addTask()
        }

        Controls.ToolButton {
            objectName: "rolloutsButton"
            icon.source: "/Icons/sync.svg"
            text: qsTr("Rollouts")
            visible: TasksDictionary.rolloutsManager.available
            onClicked: rolloutsDialog.open()
        }

        Controls.ToolButton {
            objectName: "taskFilterButton"
            icon.source: "/Icons/filter-list.svg"
            text: qsTr("Filter")
            display: AbstractButton.IconOnly
            checkable: true
            checked: view.showAndUseFilterEditor
            onToggled: view.showAndUseFilterEditor = checked
        }

        Controls.ToolButton {
            objectName: "refreshTasksButton"
            icon.source: "/Icons/refresh.svg"
            text: qsTr("Refresh")
            display: AbstractButton.IconOnly
            onClicked: view.manager.listTasks.invoke()
        }

        Controls.ToolButton {
            objectName: "retryFailedButton"
            icon.source: "/Icons/sync.svg"
            text: qsTr("Retry failed")
            enabled: view.failedTicketIds.length > 0
            visible: Rights.may(RoleRights.RestartTask)
            onClicked: retryDialog.open()
        }
    }

    Controls.LazyPopup {
        id: taskDialog
        parent: view
        sourceComponent: TaskDialog {}
    }

    Controls.LazyPopup {
        id: rolloutsDialog
        parent: view
        sourceComponent: RolloutsDialog {}
    }

    ConfirmActionDialog {
        id: cancelDialog
        objectName: "cancelTaskDialog"

        property string taskId: ""
        property int count: 0

        parent: view
        title: Strings.taskCancel
        text: count === 1 ? qsTr("Cancel the open ticket of this task?")
                          : qsTr("Cancel the %1 open tickets of this task?").arg(count)
        onAccepted: view.__cancelTask(taskId)
    }

    EntityDialog {
        id: retryDialog
        objectName: "retryFailedDialog"

        readonly property int count: view.failedTicketIds.length

        parent: view
        width: Math.min(view.width * 0.8, 480)
        title: qsTr("Retry failed")
        standardButtons: Dialog.Ok | Dialog.Cancel

        Controls.Label {
            textFormat: Text.PlainText
            objectName: "retryFailedText"
            width: retryDialog.availableWidth
            wrapMode: Text.Wrap
            text: retryDialog.count === 1 ? qsTr("Run the failed ticket of this task again?")
                                          : qsTr("Run the %1 failed tickets of this task again?").arg(retryDialog.count)
        }

        onAccepted: view.retryFailedTickets()
    }

    EntityDialog {
        id: ticketDialog
        objectName: "ticketDetailsDialog"

        parent: view
        width: view.width * 0.75
        height: view.height * 0.75
        standardButtons: Dialog.Ok
        onStandardButtonsChanged: if (standardButton(Dialog.Ok)) standardButton(Dialog.Ok).objectName = "ticketDetailsOkButton"
        Component.onCompleted: standardButton(Dialog.Ok).objectName = "ticketDetailsOkButton"

        TicketDetailsViewer {
            id: ticketDetails
        }
    }

    ErrorEntityDialog {
        id: errorDialog
        objectName: "taskErrorDialog"
        parent: view
        entityTypeName: Strings.taskEntityName

        property bool reopenTaskDialog: false

        // A refused task comes back to the operator as he left it.
        onClosed: {
            if (reopenTaskDialog && view.handler.inputKept)
                taskDialog.open()
            reopenTaskDialog = false
        }
    }

    Connections {
        target: view.manager.addTask
        function onInvokedFail(message) {
            errorDialog.reopenTaskDialog = true
            view.__reportFailure(view.manager.addTask, message)
        }
        function onInvokedOk() { tasksList.showNewestWhenListed() }
    }

    Connections {
        target: TasksDictionary.rolloutsManager.addRollout
        function onInvokedFail(message) { view.__reportFailure(TasksDictionary.rolloutsManager.addRollout, message) }
    }

    Connections {
        target: ticketsManager.listTickets
        function onInvokedOk() { tickets.takeCounts() }
    }

    // The cancelled tickets show as such.
    Connections {
        target: view.manager.cancelTask
        function onInvokedOk() {
            Controls.Feedback.confirm(qsTr("The open tickets of the task were cancelled."))
            ticketsManager.listTickets.invoke()
        }
        function onInvokedFail(message) { view.__reportFailure(view.manager.cancelTask, message) }
    }

    Connections {
        target: view.manager.restartTask
        function onInvokedOk() { Controls.Feedback.confirm(qsTr("The task was started again.")) }
        function onInvokedFail(message) { view.__reportFailure(view.manager.restartTask, message) }
    }

    Connections {
        target: ticketsManager.restartTickets
        // Listed again whether or not an answer came: the rows show what the service holds.
        function onInvokedOk() {
            var count = ticketsManager.restartTickets.ticketIds.length
            Controls.Feedback.confirm(count === 1 ? qsTr("The failed ticket runs again.")
                                                  : qsTr("The %1 failed tickets run again.").arg(count))
            ticketsManager.listTickets.invoke()
        }
        function onInvokedFail(message) {
            ticketsManager.listTickets.invoke()
            view.__reportFailure(ticketsManager.restartTickets, message)
        }
    }

    // The application-wide lists this screen shows are given back when it closes.
    ServiceUse {
        services: [view.manager.listTasks, TagsDictionary.manager.listTags]
    }
}
