import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0

// One location row: state icon, name and, in small type, the domain; indented by its depth.
ListViewItem {
    id: row

    // {idd, customer, intent} of the list's rows.
    readonly property var entry: mData
    readonly property var customer: entry ? entry.customer : null
    property bool showTree: true

    objectName: customer ? "locationRow_" + customer.name : ""
    leftPadding: (showTree && entry ? entry.intent + 1 : 1) * 12

    contentItem: RowLayout {
        spacing: 8

        Image {
            objectName: "locationIcon"
            Layout.preferredWidth: 24
            Layout.preferredHeight: 24
            sourceSize: Qt.size(24, 24)
            source: !row.customer ? ""
                    : row.customer.archived ? "/Icons/location-archived.svg"
                    : row.customer.ownerId === 0 ? "/Icons/location-root.svg" : "/Icons/location.svg"
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0

            Label {
                objectName: "locationNameLabel"
                Layout.fillWidth: true
                text: row.customer && row.customer.name ? row.customer.name : Strings.notAvailable
                textFormat: Text.PlainText
                elide: Text.ElideRight
            }
            Label {
                objectName: "locationDomainLabel"
                Layout.fillWidth: true
                text: row.customer && row.customer.domain ? row.customer.domain : Strings.notAvailable
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.pixelSize: 11
                opacity: 0.7
            }
        }
    }
}
