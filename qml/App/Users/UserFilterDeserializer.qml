pragma Singleton
import QtQuick 2.15

// UserFilter to the "filter" member of listUsers; an undefined flag leaves its key out.
QtObject {
    function jsonEntity(filter) {
        return {
            "ids": filter.ids && filter.ids.length ? filter.ids : null,
            "customerId": filter.customerId || 0,
            "name": filter.name ? filter.name : null,
            "roles": filter.roles && filter.roles.length ? filter.roles : null,
            "includeServants": filter.includeServants === undefined ? true : filter.includeServants,
            "disabled": filter.disabled,
            "archived": filter.archived
        }
    }
}
