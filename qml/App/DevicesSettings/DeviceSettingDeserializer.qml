pragma Singleton
import QtQuick 2.15
import Entities 1.0

// DeviceSetting to service JSON; ids of 0 and an empty name are left out.
EntityDeserializer {
    function jsonEntity(setting) {
        var deserializer = EntitiesSerializersProvider.deserializerFor(setting.name)
        return {
            "dId": setting.deviceId || undefined,
            "uId": setting.userId || undefined,
            "cId": setting.customerId || undefined,
            "n": setting.name || undefined,
            "v": deserializer ? deserializer.jsonEntity(setting.value) : setting.value,
            "h": "*"
        }
    }
}
