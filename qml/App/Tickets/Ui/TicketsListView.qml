import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Controls 1.0 as Controls
import App.Tickets 1.0
import EntitiesUi 1.0

// The tickets of the current task, under a header row of column titles.
Pane {
    id: view

    property TicketsManager manager: null
    property var currentTask: null
    readonly property var currentEntity: list.currentIndex >= 0 && list.model && list.model[list.currentIndex]
                                         ? list.model[list.currentIndex] : null
    readonly property int count: list.count

    signal openDetails(var ticket)

    padding: 0

    ListStatusBanner {
        id: banner
        width: parent.width
        service: view.manager ? view.manager.listTickets : null
    }

    Controls.ListView {
        id: list
        objectName: "ticketsList"

        anchors.fill: parent
        anchors.topMargin: banner.height
        // Rows of an earlier task go as soon as another task is current, before its list arrives.
        model: {
            var task = view.currentTask
            var all = view.manager ? view.manager.listTickets.result : null
            return task && all ? all.filter(function (ticket) { return ticket.taskId === task.idd }) : []
        }
        isDataLoading: !!view.manager && view.manager.listTickets.isLoading
        headerPositioning: ListView.PullBackHeader
        header: Pane {
            width: list.width
            z: 2
            padding: 8

            TicketsListRowDelegate {
                containerWidth: list.width - 16
            }
        }
        delegate: TicketListViewItem {
            objectName: "ticketRow"
            onOpenTicketDetails: view.openDetails(ticket)
        }
    }

    Connections {
        target: view.manager ? view.manager.listTickets : null
        function onInvoking() { list.currentIndex = -1 }
    }
}
