import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0

// The ticket calls of the service.
QmlObject {
    id: manager

    property TicketsFilter filter: TicketsFilter {}
    property bool manualListTickets: false
    // A screen that has nothing to list for (no task, no device) keeps the list from running.
    property bool listTicketsEnabled: true

    readonly property CollectionService listTickets: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listTickets"
        manual: manager.manualListTickets
        // A list that runs by itself waits for a session: without one it could only be refused.
        enabled: manager.listTicketsEnabled
                 && (manager.manualListTickets || !!AuthManager.currentLoginInfo.sessionToken)
        // Moving through the task list ends in one request.
        debounceInterval: 500
        collectionProperty: "result.items"
        listRequired: true
        keepsResult: true
        idProperty: "idd"
        delegate: TicketSerializer
        // A ticket's task data and the device's answer may be long.
        longTextKeys: ["d", "r"]
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "filter": manager.filter ? TicketsFilterSerializer.jsonEntity(manager.filter) : null,
            "what": "*"
        })
    }

    readonly property CollectionService cancelTickets: CollectionService {
        property var ticketIds: []

        baseUrl: Endpoints.serviceUri
        method: "cancelTickets"
        manual: true
        collectionProperty: "result"
        delegate: TicketSerializer
        longTextKeys: ["d", "r"]
        bodyParams: manager.__ticketsBody(ticketIds)
    }

    readonly property CollectionService restartTickets: CollectionService {
        property var ticketIds: []

        baseUrl: Endpoints.serviceUri
        method: "restartTickets"
        manual: true
        collectionProperty: "result"
        delegate: TicketSerializer
        longTextKeys: ["d", "r"]
        bodyParams: manager.__ticketsBody(ticketIds)
    }

    function __ticketsBody(ticketIds) {
        return {
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "ticketIds": ticketIds || []
        }
    }
}
