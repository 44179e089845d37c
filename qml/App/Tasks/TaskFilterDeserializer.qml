pragma Singleton
import QtQuick 2.15
import "qrc:///Entities/WireDates.js" as WireDates

// TaskFilter to the "filter" member of listTasks.
QtObject {
    function __listOrNull(list) {
        return list && list.length ? list : null
    }

    function __dateOrNull(date) {
        var text = WireDates.toTimeZoneString(date)
        return text === undefined ? null : text
    }

    function jsonEntity(filter) {
        return {
            "statuses": __listOrNull(filter.statuses),
            "types": __listOrNull(filter.types),
            "ids": __listOrNull(filter.ids),
            "includeServants": filter.includeServants === undefined ? true : filter.includeServants,
            "closedAtMax": __dateOrNull(filter.closedAtMax),
            "closedAtMin": __dateOrNull(filter.closedAtMin)
        }
    }
}
