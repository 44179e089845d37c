import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Controls 1.0 as Controls
import App.Tasks 1.0
import EntitiesUi 1.0

// The tasks, newest first. The current task stays current when the list is read again; the first
// is current at the start and after a task was added.
Pane {
    id: view

    property TasksManager manager: null
    readonly property var currentEntity: list.currentIndex >= 0 && list.model && list.model[list.currentIndex]
                                         ? list.model[list.currentIndex] : null
    readonly property int count: list.count

    // The next list starts at its first (newest) task.
    function showNewestWhenListed() {
        d.newestWanted = true
    }

    padding: 0

    ListStatusBanner {
        id: banner
        width: parent.width
        service: view.manager ? view.manager.listTasks : null
    }

    QtObject {
        id: d
        property bool newestWanted: true
    }

    Controls.ListView {
        id: list
        objectName: "tasksList"

        anchors.fill: parent
        anchors.topMargin: banner.height
        model: view.manager && view.manager.listTasks.result ? view.manager.listTasks.result : []
        isDataLoading: !!view.manager && view.manager.listTasks.isLoading
        delegate: TaskListViewItem {
            objectName: "taskRow_" + index
        }
    }

    Connections {
        target: view.manager ? view.manager.listTasks : null
        // The list finds the remembered task again among the new rows.
        function onInvoking() {
            if (d.newestWanted || !view.currentEntity) {
                d.newestWanted = false
                list.lastSelectedEntityId = null
                list.currentIndex = -1
                list.currentIndex = 0
            } else {
                list.lastSelectedEntityId = view.currentEntity.idd
            }
        }
    }
}
