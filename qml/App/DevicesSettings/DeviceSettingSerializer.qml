pragma Singleton
import QtQuick 2.15
import Entities 1.0
import "PowerScheduleShape.js" as PowerScheduleShape

// Service JSON to DeviceSetting; a value with a registered converter arrives as a JSON text.
// One whose text cannot be read becomes an empty list marked unreadable.
Component {
    DeviceSetting {
        property var modelData: ({})
        // The parsed text of a value with a converter, or undefined.
        readonly property var __elements: modelData ? parseElements(modelData) : undefined

        function parseElements(item) {
            var text = item["v"]
            if (!EntitiesSerializersProvider.serializerFor(item["n"]) || typeof text !== "string")
                return undefined
            try {
                return JSON.parse(text)
            } catch (e) {
                console.warn("DeviceSettingSerializer::readValue:", item["n"], e)
                return null
            }
        }

        function isReadable(item, elements) {
            if (elements === undefined)
                return true
            if (item["n"] === "power.schedule")
                return PowerScheduleShape.isReadable(elements)
            return Array.isArray(elements)
        }

        function readValue(item, elements) {
            var serializer = EntitiesSerializersProvider.serializerFor(item["n"])
            if (elements === undefined)
                return item["v"]
            if (!isReadable(item, elements))
                return []
            return elements.map(function (element) {
                return serializer.createObject(null, { "modelData": element || {} })
            })
        }

        deviceId: modelData && modelData["dId"] || 0
        userId: modelData && modelData["uId"] || 0
        customerId: modelData && modelData["cId"] || 0
        name: modelData && modelData["n"] || ""
        value: modelData ? readValue(modelData, __elements) : undefined
        unreadable: !!modelData && !isReadable(modelData, __elements)
        hash: modelData && modelData["h"] || ""
        timeStamp: modelData ? modelData["t"] : undefined
        revision: modelData && typeof modelData["r"] === "number" ? modelData["r"] : -1
    }
}
