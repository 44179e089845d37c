import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Controls 1.0 as Controls
import App.Tasks 1.0
import App.Tickets 1.0

// The tickets of one device, the most recently executed first.
Control {
    id: view

    property var entity: null
    readonly property TicketsManager manager: TicketsManager {
        filter.deviceId: view.entity ? Number(view.entity.idd) : 0
        filter.includeServants: true
        // Listed while the tab shows, not on every change of the current device.
        listTicketsEnabled: !!view.entity && view.visible
    }
    readonly property var tickets: {
        var result = manager.listTickets.result ? manager.listTickets.result.slice() : []
        // Not yet executed tickets have no time and go last.
        return result.sort(function (a, b) {
            var x = a.executedAt ? a.executedAt.getTime() : -Infinity
            var y = b.executedAt ? b.executedAt.getTime() : -Infinity
            return y > x ? 1 : y < x ? -1 : 0
        })
    }

    contentItem: Controls.ListView {
        objectName: "deviceTicketsList"
        model: view.entity ? view.tickets : []
        isDataLoading: view.manager.listTickets.isLoading
        delegate: DeviceTicketListItem {}
    }

    Connections {
        target: TasksDictionary.manager.addTask
        function onInvokedOk() { view.manager.listTickets.invoke() }
    }
}
