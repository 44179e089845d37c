import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Managers 1.0
import App.Tasks.TaskEditor 1.0
import "RolloutTexts.js" as RolloutTexts

// The single owner of the task being created: the type and data editor chosen, the devices it
// targets, and the one or more addTask calls a commit turns into.
QmlObject {
    id: handler

    signal commit()
    signal reject()
    // A commit went out and the service stored every task of it.
    signal tasksSent(int count, int type)

    property int currentDataEditorIndex: 0
    // The task types offered; a screen may offer others whose editors exist.
    property var dataEditorsModel: [
        { "text": qsTr("Show message"), "type": Tasks.ShowMessage,
          "page": "qrc:///App/Tasks/TaskEditor/Ui/RichMessageDataEditor.qml" },
        { "text": qsTr("Software update"), "type": Tasks.SoftwareUpdate,
          "page": "qrc:///App/Tasks/TaskEditor/Ui/SoftwareUpdateDataEditor.qml" },
        { "text": qsTr("Firmware update"), "type": Tasks.FirmwareUpdate,
          "page": "qrc:///App/Tasks/TaskEditor/Ui/FirmwareUpdateDataEditor.qml" }
    ]
    readonly property var __currentRow: dataEditorsModel[currentDataEditorIndex] || null
    readonly property int currentTaskType: __currentRow ? __currentRow.type : Tasks.ShowMessage
    readonly property string currentTaskDataEditor: __currentRow ? __currentRow.page : ""

    property Task currentTask: null
    property var tasksToExecute: []
    property TasksManager manager: null
    property TasksUtilityManager utilityManager: null

    property bool useAlternativeFilter: false
    property DevicesFilter mainFilter: null
    property DevicesFilter alternativeFilter: __ownAlternativeFilter
    readonly property DevicesFilter currentFilter: useAlternativeFilter ? alternativeFilter : mainFilter

    property bool firmwareToTheLatest: false
    // Set when the firmware update goes out in stages: the "rollout" of addRollout.
    property var rolloutPlan: null
    property RolloutsManager rolloutsManager: null
    // The service takes at most this many ids in one filter: a larger group is sent as several
    // tasks for the same version.
    property int maxIdsPerTask: 1000
    // True while a task is being made: only then are the targets counted and surveyed, so
    // that the devices screen's filter changes do not list the fleet twice.
    property bool editing: false
    readonly property DevicesManager devicesManager: DevicesManager {
        filter: handler.currentFilter
        Component.onCompleted: listDevices.enabled = Qt.binding(function () {
            return handler.editing && !!AuthManager.currentLoginInfo.sessionToken
        })
    }
    // The first devices the current filter finds, as the device list shows them.
    readonly property var currentDevices: devicesManager.devices
    // How many devices the current filter finds in all: the task's real reach.
    readonly property real currentDevicesTotal: devicesManager.total
    // Target firmware version → ids of every device the filter finds that lacks it.
    readonly property var devicesGroups: __firmwareSurvey.devicesGroups
    readonly property bool devicesGroupsReady: __firmwareSurvey.ready
    readonly property bool devicesGroupsFailed: __firmwareSurvey.failed

    // A send the service refused, or that went unanswered, keeps the task and its targets as
    // the operator left them, until the next successful send or a reject().
    readonly property bool inputKept: __inputKept

    readonly property DevicesFilter __ownAlternativeFilter: DevicesFilter {}
    property var __sending: null
    property bool __inputKept: false
    property int __awaitedAnswers: 0
    property bool __refused: false
    property int __storedTasks: 0
    property bool __finishPending: false
    property bool __committedUseAlternative: false
    // The task, queued tasks and their filters are made without parent; object properties do
    // not keep such objects from the collector, this list does until the next reset.
    property var __keptObjects: []

    function __keep(object) {
        __keptObjects.push(object)
        return object
    }

    readonly property DevicesFirmwareSurvey __firmwareSurvey: DevicesFirmwareSurvey {
        filter: handler.currentFilter
        maxVersions: handler.utilityManager ? handler.utilityManager.maxVersions : ({})
        active: handler.editing && handler.currentTaskType === Tasks.FirmwareUpdate
    }

    function addTask(task) {
        manager.devicesFilter = currentFilter
        manager.addTask.task = task
        ++__awaitedAnswers
        manager.addTask.invoke()
        if (tasksToExecute.length === 0) {
            __finishPending = true
            finishDebounce.reschedule()
        }
    }

    function __answered(refused) {
        if (__awaitedAnswers === 0)
            return
        --__awaitedAnswers
        if (refused)
            __refused = true
        else
            ++__storedTasks
        __finishWhenAnswered()
    }

    // After the last send and its answer: a clean run starts afresh, a refused one keeps the input.
    function __finishWhenAnswered() {
        if (__finishPending || __awaitedAnswers > 0 || tasksToExecute.length > 0 || __sending)
            return
        if (!__refused) {
            var stored = __storedTasks
            var type = currentTaskType
            reset()
            if (stored > 0)
                tasksSent(stored, type)
            return
        }
        __refused = false
        alternativeFilter = __ownAlternativeFilter
        useAlternativeFilter = __committedUseAlternative
        __inputKept = true
    }

    function reset() {
        __inputKept = false
        __refused = false
        __storedTasks = 0
        __awaitedAnswers = 0
        __finishPending = false
        tasksToExecute = []
        queueDebounce.abort()
        __sending = null
        alternativeFilter = __ownAlternativeFilter
        __ownAlternativeFilter.reset()
        useAlternativeFilter = false
        currentDataEditorIndex = 0
        __keptObjects = []
        currentTask = __newTask()
    }

    function __newTask() {
        if (!manager)
            return null
        var task = __keep(manager.createNewLocalEntity({}, null))
        task.type = Qt.binding(function () { return handler.currentTaskType })
        return task
    }

    function __prototype(task, targetSelection) {
        return __keep(prototypeComponent.createObject(null, { "task": __keep(task),
                                                              "targetSelection": __keep(targetSelection) }))
    }

    function __clone(type, data) {
        var task = TaskDeserializer.clone(currentTask)
        task.type = type
        if (data !== undefined)
            task.taskData = data
        return task
    }

    function __onCommit() {
        __committedUseAlternative = useAlternativeFilter
        var queue = []
        if (currentTaskType === Tasks.FirmwareUpdate && firmwareToTheLatest && rolloutPlan
                && rolloutsManager) {
            __addRollout()
            return
        }
        if (currentTaskType === Tasks.FirmwareUpdate && firmwareToTheLatest) {
            var groups = devicesGroups
            for (var version in groups) {
                var data = JSON.stringify({ "uri": String(Endpoints.otaUri), "version": version })
                for (var first = 0; first < groups[version].length; first += maxIdsPerTask) {
                    var ids = groups[version].slice(first, first + maxIdsPerTask)
                    queue.push(__prototype(__clone(Tasks.FirmwareUpdate, data),
                                           targetFilter.createObject(null, { "ids": ids })))
                }
            }
            if (queue.length === 0) {
                // Every device is current: nothing to send.
                reset()
                return
            }
        } else if (currentTaskType === Tasks.DisablePowerManagement) {
            // The queue aims each task through the alternative filter, so each gets its own
            // copy of the targets: resetting it afterwards must not clear the shared filter.
            queue.push(__prototype(__clone(Tasks.AutoPowerOn), DevicesFilterDeserializer.clone(currentFilter)))
            queue.push(__prototype(__clone(Tasks.AutoPowerOff), DevicesFilterDeserializer.clone(currentFilter)))
        } else {
            addTask(currentTask)
            return
        }
        tasksToExecute = queue
        __runQueue()
    }

    // The service splits the devices into groups and sends the groups one after another.
    function __addRollout() {
        var targets = RolloutTexts.targets(devicesGroups, Endpoints.otaUri)
        if (targets.length > 0) {
            var plan = Object.assign({}, rolloutPlan)
            plan["dsp"] = TaskDeserializer.jsonEntity(currentTask)["dsp"]
            rolloutsManager.add(plan, targets)
        }
        reset()
    }

    function __runQueue() {
        if (tasksToExecute.length === 0)
            return
        var queue = tasksToExecute.slice()
        __sending = queue.shift()
        tasksToExecute = queue
        queueDebounce.schedule()
    }

    function __sendNext() {
        var prototype = __sending
        __sending = null
        if (!prototype)
            return
        useAlternativeFilter = true
        alternativeFilter = prototype.targetSelection
        addTask(prototype.task)
        __runQueue()
    }

    onEditingChanged: if (editing) devicesManager.reload()
    onCommit: __onCommit()
    onReject: reset()
    onManagerChanged: currentTask = __newTask()

    property Debounce __queueDebounce: Debounce {
        id: queueDebounce
        interval: 50
        allowRecursiveSchedule: true
        onTimeout: handler.__sendNext()
    }

    property Debounce __finishDebounce: Debounce {
        id: finishDebounce
        interval: 100
        onTimeout: {
            handler.__finishPending = false
            handler.__finishWhenAnswered()
        }
    }

    property Connections __answers: Connections {
        target: handler.manager ? handler.manager.addTask : null
        function onInvokedOk() { handler.__answered(false) }
        function onInvokedFail() { handler.__answered(true) }
    }

    property Component __prototypeComponent: Component {
        id: prototypeComponent
        TaskPrototype {}
    }

    property Component __targetFilter: Component {
        id: targetFilter
        DevicesFilter {}
    }
}
