pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import App.Devices 1.0
import App.Managers 1.0
import App.Tags 1.0
import App.Tasks.TaskEditor 1.0

// The application-wide task state; the device filter is shared by the devices screen and task
// creation.
QmlObject {
    id: dictionary

    readonly property DevicesFilter devicesFilter: DevicesFilter {}
    readonly property TaskFilter filter: TaskFilter {}
    readonly property TasksManager manager: TasksManager {
        filter: dictionary.filter
        devicesFilter: dictionary.devicesFilter
    }
    readonly property TasksUtilityManager utilityManager: TasksUtilityManager {}
    readonly property RolloutsManager rolloutsManager: RolloutsManager {}
    readonly property TasksHandler tasksHandler: TasksHandler {
        manager: dictionary.manager
        rolloutsManager: dictionary.rolloutsManager
        mainFilter: dictionary.devicesFilter
        utilityManager: dictionary.utilityManager
    }

    function __reloadTasks() {
        manager.listTasks.invoke()
    }

    // A new session starts from the defaults, sublocations included.
    function __resetTaskFilter() {
        filter.reset()
        filter.includeServants = true
    }

    Component.onCompleted: {
        AuthManager.loggedOff.connect(devicesFilter.reset)
        AuthManager.loggedOff.connect(__resetTaskFilter)
        // A deleted tag may be one the filter asks for; invokedOk and invokedFail together
        // report every finished call once.
        TagsDictionary.manager.deleteTag.invokedOk.connect(devicesFilter.reset)
        TagsDictionary.manager.deleteTag.invokedFail.connect(devicesFilter.reset)
        var changes = [manager.addTask, manager.cancelTask, manager.restartTask,
                       rolloutsManager.addRollout]
        for (var i = 0; i < changes.length; ++i) {
            changes[i].invokedOk.connect(__reloadTasks)
            changes[i].invokedFail.connect(__reloadTasks)
        }
    }
}
