import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Controls 1.0 as Controls
import App.Tasks 1.0
import EntitiesUi 1.0

// The tasks, newest first; the first becomes current whenever the list is loaded.
Pane {
    id: view

    property TasksManager manager: null
    readonly property var currentEntity: list.currentIndex >= 0 && list.model && list.model[list.currentIndex]
                                         ? list.model[list.currentIndex] : null
    readonly property int count: list.count

    padding: 0

    ListStatusBanner {
        id: banner
        width: parent.width
        service: view.manager ? view.manager.listTasks : null
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
        function onInvoking() {
            list.currentIndex = -1
            list.currentIndex = 0
        }
    }
}
