pragma Singleton
import QtQuick 2.15
import "qrc:///Entities/WireDates.js" as WireDates
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// Service JSON to Ticket.
Component {
    Ticket {
        property var modelData: ({})

        idd: modelData && modelData["id"] ? String(modelData["id"]) : ""
        taskId: modelData && modelData["tid"] ? String(modelData["tid"]) : ""
        deviceId: modelData && modelData["did"] ? String(modelData["did"]) : ""
        validFrom: modelData ? WireDates.toDate(modelData["vf"]) : null
        validTo: modelData ? WireDates.toDate(modelData["vt"]) : null
        type: modelData && modelData["t"] !== undefined && modelData["t"] !== null ? String(modelData["t"]) : ""
        status: modelData && modelData["s"] || 0
        taskData: modelData && modelData["d"] || ""
        deviceName: modelData && modelData["dn"] || ""
        result: modelData && modelData["r"] || ""
        startedAt: modelData ? WireDates.toDate(modelData["sa"]) : null
        executedAt: modelData ? WireDates.toDate(modelData["ea"]) : null
        uncutResult: DataUtils.uncutText(modelData, "r") || ""
        uncutTaskData: DataUtils.uncutText(modelData, "d") || ""
    }
}
