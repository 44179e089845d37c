pragma Singleton
import QtQuick 2.15
import Entities 1.0

// Tag to service JSON.
EntityDeserializer {
    function jsonEntity(tag) {
        return { "id": tag.idd, "n": tag.name, "pId": tag.parentId }
    }
}
