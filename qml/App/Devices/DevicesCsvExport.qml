import QtQuick 2.15
import App.Export 1.0
import "DevicesCsv.js" as DevicesCsv

// Every device a filter finds (all pages) into a CSV file.
PagedCsvExport {
    // Names a location by id for the "location name" column.
    property var locationNameOf: function (customerId) { return "" }

    method: "listDevices"
    what: "id,n,m,fw,mac,ip,cId,io,lo,tg"
    header: DevicesCsv.header
    valuesOf: function (item) { return DevicesCsv.deviceValues(item, locationNameOf) }
    readingText: qsTr("%1 of %2 devices read…")
    doneText: qsTr("%1 devices exported.")
    savedText: qsTr("%1 devices exported to %2.")
    partText: qsTr("%1 of %2 devices exported: %3.")
    limitText: qsTr("the export stops at %1 devices")
}
