import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0 as Controls
import App.Audit 1.0

// Every field of the selected record, one per line.
Pane {
    id: details

    property AuditRecord record: null
    // Failed sign-ins the selected row stands for.
    property int count: 1

    readonly property var __rows: record ? [
        [qsTr("When"), record.at ? record.at.toLocaleString(Qt.locale(), Locale.LongFormat) : ""],
        [qsTr("Acting user"), record.actorName ? qsTr("%1 (id %2)").arg(record.actorName).arg(record.actorId) : record.actorId],
        [qsTr("In the context of"), record.contextUserId ? qsTr("%1 (id %2)").arg(record.contextUserName).arg(record.contextUserId) : ""],
        [qsTr("Method"), record.method],
        [qsTr("Entity"), record.kind],
        [qsTr("Ids"), record.entityIds.join(", ")],
        [qsTr("Name"), record.entityName],
        [qsTr("Login"), record.subject],
        [qsTr("Device filter"), record.filterText],
        [qsTr("Devices reached"), record.reached >= 0 ? String(record.reached) : ""],
        [qsTr("Failed attempts"), count > 1 ? String(count) : ""],
        [qsTr("Outcome"), record.status === 0 ? qsTr("done") : qsTr("failed (status %1)").arg(record.status)],
        [qsTr("Client address"), record.clientAddress]
    ].filter(function (row) { return row[1] !== "" && row[1] !== undefined }) : []

    GridLayout {
        anchors.fill: parent
        columns: 2
        columnSpacing: 12

        Repeater {
            model: details.__rows.length * 2

            Controls.ServiceLabel {
                readonly property var row: details.__rows[Math.floor(index / 2)]
                Layout.fillWidth: index % 2 === 1
                Layout.alignment: Qt.AlignTop
                serviceText: row ? String(row[index % 2]) : ""
                maximumLength: 2000
                font.bold: index % 2 === 0
            }
        }
        Item {
            Layout.columnSpan: 2
            Layout.fillHeight: true
        }
    }
}
