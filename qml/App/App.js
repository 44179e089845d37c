.pragma library

// The QML application object, set by the launcher.
var instance = null

function isObject(entity) {
    return entity !== null && entity !== undefined && typeof entity === "object"
}

function deepEquals(object1, object2) {
}
