pragma Singleton
import QtQuick 2.15

// TicketsFilter to the "filter" member of listTickets.
QtObject {
    function jsonEntity(filter) {
        return {
            "ids": filter.ids ? filter.ids : null,
            "includeServants": filter.includeServants === undefined ? true : filter.includeServants,
            "statuses": filter.statuses ? filter.statuses : null,
            "taskId": filter.taskId ? filter.taskId : null,
            "deviceId": filter.deviceId ? filter.deviceId : null,
            "closedAtMax": filter.closedAtMax ? filter.closedAtMax : null,
            "closedAtMin": filter.closedAtMin ? filter.closedAtMin : null
        }
    }
}
