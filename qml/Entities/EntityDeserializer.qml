import QtQuick 2.15
import QtQuickX 1.0

// Base of the deserializers: jsonEntity(entity) gives the wire object of an entity.
QmlObject {
    function jsonEntity(entity) {
        return undefined
    }
}
