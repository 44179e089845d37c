pragma Singleton
import QtQuick 2.15
import Entities 1.0

// Login to service JSON.
EntityDeserializer {
    function jsonEntity(entity) {
        return { "id": entity.idd, "userId": entity.userId, "method": entity.method, "data": entity.data }
    }
}
