pragma Singleton
import QtQuick 2.15
import Entities 1.0

// Service JSON to DeviceSetting; a value with a registered converter arrives as a JSON text.
Component {
    DeviceSetting {
        property var modelData: ({})

        function readValue(item) {
            var text = item["v"]
            var serializer = EntitiesSerializersProvider.serializerFor(item["n"])
            if (!serializer || typeof text !== "string")
                return text
            var elements
            try {
                elements = JSON.parse(text)
            } catch (e) {
                console.warn("DeviceSettingSerializer::readValue:", item["n"], e)
                return []
            }
            if (!Array.isArray(elements))
                return []
            return elements.map(function (element) {
                return serializer.createObject(null, { "modelData": element || {} })
            })
        }

        deviceId: modelData && modelData["dId"] || 0
        userId: modelData && modelData["uId"] || 0
        customerId: modelData && modelData["cId"] || 0
        name: modelData && modelData["n"] || ""
        value: modelData ? readValue(modelData) : undefined
        hash: modelData && modelData["h"] || ""
        timeStamp: modelData ? modelData["t"] : undefined
        revision: modelData && typeof modelData["r"] === "number" ? modelData["r"] : -1
    }
}
