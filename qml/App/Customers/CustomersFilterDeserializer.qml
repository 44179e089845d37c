pragma Singleton
import QtQuick 2.15

// CustomersFilter to the "filter" member of listCustomers; an undefined flag leaves its key out.
QtObject {
    function jsonEntity(filter) {
        return {
            "ids": filter.ids && filter.ids.length ? filter.ids : null,
            "name": filter.name ? filter.name : null,
            "domain": filter.domain ? filter.domain : null,
            "ownerId": filter.ownerId === -1 ? null : filter.ownerId,
            "includeServants": filter.includeServants === undefined ? undefined : !!filter.includeServants,
            "archived": filter.archived === undefined ? undefined : !!filter.archived
        }
    }
}
