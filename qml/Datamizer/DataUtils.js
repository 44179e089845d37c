.pragma library

.import "qrc:///QtQuickX/Modern.js" as ModernJs

// Helpers shared by the service components and the entity serializers.

if (typeof Array.prototype.removeAll !== "function") {
    Object.defineProperty(Array.prototype, "removeAll", {
        value: function (valuesToRemove) {
            "use strict"
            if (this === null || this === undefined)
                throw new TypeError("\"this\" is null or not defined")
            var removed = valuesToRemove || []
            return Array.prototype.filter.call(this, function (element) {
                return removed.indexOf(element) < 0
            })
        },
        configurable: true,
        writable: true,
        enumerable: false
    })
}

function emptyOrNull(value) {
    return value === null ? "" : Number(value)
}

// The service's date object: {"DateTime": "/Date(<ms>)/", "OffsetMinutes": <n>}.
function dateTimeOffset(value) {
    if (value === null || value === undefined)
        return ""
    var text = String(value["DateTime"])
    if (!/\/Date\(\d+\)\//.test(text))
        return ""
    return new Date(Number(text.substring(6, text.length - 2)))
}

function toIndex(model, prop) {
    if (!model)
        return null
    var index = {}
    for (var i = 0; i < model.length; ++i) {
        var item = model[i]
        index[item[prop]] = item
    }
    return index
}

function mapCollectionModel(collection, component, owner) {
    if (!collection || !component)
        return null
    var entities = []
    var length = collection.length || 0
    for (var i = 0; i < length; ++i)
        entities.push(component.createObject(owner || null, { "modelData": collection[i] }))
    return entities
}

function concatMaps() {
    var result = {}
    for (var i = 0; i < arguments.length; ++i) {
        var map = arguments[i]
        if (!map)
            continue
        for (var key in map) {
            if (Object.prototype.hasOwnProperty.call(map, key))
                result[key] = map[key]
        }
    }
    return result
}
