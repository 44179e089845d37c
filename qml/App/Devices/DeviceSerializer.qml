pragma Singleton
import QtQuick 2.15
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// Service JSON to Device.
Component {
    Device {
        property var modelData: ({})

        // The service sends dates as {"DateTime": "/Date(ms)/", ...}; other forms go to the
        // date conversion as they are.
        function __date(value) {
            if (value !== null && typeof value === "object" && value["DateTime"] !== undefined)
                return DataUtils.dateTimeOffset(value) || new Date(NaN)
            return value
        }

        idd: modelData && modelData["id"] || 0
        registered: modelData && modelData["rt"] ? __date(modelData["rt"]) : new Date(NaN)
        title: modelData && modelData["n"] || ""
        tagIds: modelData && modelData["tgId"] || null
        tagNames: modelData && modelData["tg"] || null
        deviceType: modelData && modelData["t"] || ""
        deviceModel: modelData && modelData["m"] || ""
        firmwareVersion: modelData && modelData["fw"] || ""
        firmwareId: modelData && modelData["fwId"] || ""
        ipAddresses: modelData && modelData["ip"] || []
        macAddresses: modelData && modelData["mac"] || []
        description: modelData && modelData["d"] || ""
        lastOnline: modelData && modelData["lo"] ? __date(modelData["lo"]) : undefined
        isOnline: !!(modelData && modelData["io"])
        customerId: modelData && modelData["cId"] || 0
        modelId: modelData && modelData["mId"] || ""
    }
}
