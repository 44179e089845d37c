pragma Singleton
import QtQuick 2.15

// DevicesFilter to the "filter" member of the device calls; a null filter sends the defaults.
QtObject {
    function jsonEntity(filter) {
        var f = filter || {}
        return {
            "includeServants": __unset(f.includeServants) ? true : !!f.includeServants,
            "unregistered": __unset(f.unregistered) ? false : !!f.unregistered,
            "archivedCustomer": __unset(f.archivedCustomer) ? false : !!f.archivedCustomer,
            "isOnline": __unset(f.onlineOnly) ? null : !!f.onlineOnly,
            "tagsIds": __listOrNull(f.tagIds),
            "firmwaresIds": __listOrNull(f.firmwareVersions),
            "modelsIds": __listOrNull(f.models),
            "anyOfTagsIds": __listOrNull(f.anyOfTagIds),
            "ids": __listOrNull(f.ids)
        }
    }

    function clone(filter) {
        var copy = filterComponent.createObject(null)
        var names = ["ids", "tagIds", "onlineOnly", "firmwareVersions", "models", "anyOfTagIds",
                     "includeServants", "unregistered", "archivedCustomer"]
        for (var i = 0; i < names.length; ++i) {
            var value = filter[names[i]]
            copy[names[i]] = Array.isArray(value) ? value.slice() : value
        }
        return copy
    }

    function __unset(value) {
        return value === undefined || value === null
    }

    function __listOrNull(list) {
        return list && list.length ? list : null
    }

    property Component filterComponent: Component {
        DevicesFilter {}
    }
}
