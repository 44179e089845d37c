pragma Singleton
import QtQuick 2.15

// TagsFilter to the "filter" member of a list call; undefined members are left out.
QtObject {
    function jsonEntity(filter) {
        return {
            "ids": filter.ids && filter.ids.length ? filter.ids : null,
            "customerId": filter.customerId || undefined,
            "includeServants": filter.includeServants === undefined ? true : filter.includeServants
        }
    }
}
