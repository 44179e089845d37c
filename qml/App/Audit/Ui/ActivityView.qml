import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0 as Controls
import App.Export 1.0
import EntitiesUi 1.0
import App.Audit 1.0
import "../AuditTexts.js" as AuditTexts
import Datamizer 1.0

// Who changed what: the service's audit trail page by page, newest first, with the selected
// record's details beside the list.
Pane {
    id: view
    objectName: "activityView"

    property var navigator: null
    readonly property string title: qsTr("Activity")
    readonly property AuditManager manager: AuditDictionary.manager
    readonly property var service: manager.listAuditRecords
    readonly property var currentRow: list.currentIndex >= 0 && list.model && list.model[list.currentIndex]
                                      ? list.model[list.currentIndex] : null
    readonly property var currentRecord: currentRow ? currentRow.record : null
    readonly property AuditCsvExport csvExport: AuditCsvExport {}

    padding: 0

    // Every record the filter finds, from all pages, into a CSV file.
    function exportCsvTo(fileUrl) {
        exportDialogs.exportTo(fileUrl, AuditFilterSerializer.jsonEntity(manager.filter))
    }

    Component.onCompleted: manager.reload()

    Connections {
        target: view.manager.filter
        // Later, once the request's parameters have taken the new criteria.
        function onFilterChanged() { Qt.callLater(view.manager.reload) }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ActivityFilterBar {
            Layout.fillWidth: true
            Layout.margins: 8
            filter: view.manager.filter
        }

        ListStatusBanner {
            Layout.fillWidth: true
            service: view.service
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            Controls.ListView {
                id: list
                objectName: "activityList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: AuditTexts.rows(view.service.result || [])
                isDataLoading: view.service.isLoading
                delegate: ActivityRecordItem {
                    objectName: "activityRow"
                    width: list.width
                }
            }

            ActivityRecordDetails {
                objectName: "activityDetails"
                Layout.fillHeight: true
                Layout.preferredWidth: Math.max(280, view.width / 3)
                record: view.currentRecord
                count: view.currentRow ? view.currentRow.count : 1
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 8

            Label {
                objectName: "activityPageLabel"
                Layout.fillWidth: true
                textFormat: Text.PlainText
                text: view.manager.total === 0
                      ? qsTr("No records")
                      : qsTr("Records %1 to %2 of %3").arg(view.manager.skip + 1)
                          .arg(view.manager.skip + (view.service.result ? view.service.result.length : 0))
                          .arg(view.manager.total)
            }
            Button {
                objectName: "activityPreviousButton"
                text: qsTr("Newer")
                enabled: view.manager.hasPrevious && !view.service.isLoading
                onClicked: view.manager.previousPage()
            }
            Button {
                objectName: "activityNextButton"
                text: qsTr("Older")
                enabled: view.manager.hasNext && !view.service.isLoading
                onClicked: view.manager.nextPage()
            }
        }
    }

    ScreenToolBarRow {
        navigator: view.navigator

        Controls.ToolButton {
            objectName: "exportActivityButton"
            text: qsTr("Export CSV…")
            enabled: !view.csvExport.running
            onClicked: exportDialogs.chooseFile()
        }
        Controls.ToolButton {
            objectName: "refreshActivityButton"
            icon.source: "/Icons/refresh.svg"
            text: qsTr("Refresh")
            display: AbstractButton.IconOnly
            onClicked: view.manager.reload()
        }
    }

    CsvExportDialogs {
        id: exportDialogs
        exporter: view.csvExport
        onFileChosen: view.exportCsvTo(fileUrl)
    }

    // The application-wide lists this screen shows are given back when it closes.
    ServiceUse {
        services: [view.service]
    }
}
