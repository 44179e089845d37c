import QtQuick 2.15
import App.Export 1.0
import "AuditCsv.js" as AuditCsv

// Every audit record a filter finds (all pages) into a CSV file.
PagedCsvExport {
    method: "listAuditRecords"
    header: AuditCsv.header
    valuesOf: AuditCsv.recordValues
    readingText: qsTr("%1 of %2 records read…")
    doneText: qsTr("%1 records exported.")
    savedText: qsTr("%1 records exported to %2.")
    partText: qsTr("%1 of %2 records exported: %3.")
    limitText: qsTr("the export stops at %1 records")
}
