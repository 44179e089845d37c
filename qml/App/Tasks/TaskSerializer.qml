pragma Singleton
import QtQuick 2.15
import "qrc:///Entities/WireDates.js" as WireDates
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// Service JSON to Task.
Component {
    Task {
        property var modelData: ({})

        idd: modelData && modelData["id"] ? String(modelData["id"]) : ""
        validFrom: modelData ? WireDates.toDate(modelData["vf"]) : null
        validTo: modelData ? WireDates.toDate(modelData["vt"]) : null
        createdUserId: modelData && modelData["cuid"] || 0
        type: modelData && modelData["t"] || 0
        status: modelData && modelData["s"] || 0
        taskData: modelData && modelData["d"] || ""
        uncutTaskData: DataUtils.uncutText(modelData, "d") || ""
        dispersion: modelData && modelData["dsp"] || ""
        succeededCount: modelData && modelData["sc"] || 0
        failedCount: modelData && modelData["fc"] || 0
        pendingCount: modelData && modelData["pc"] || 0
    }
}
