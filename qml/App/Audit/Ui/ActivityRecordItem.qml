import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0
import App.Audit 1.0
import "../AuditTexts.js" as AuditTexts

// One row of the activity list ({"record", "count"}, see AuditTexts.rows): when, and what
// happened in one readable line.
ListViewItem {
    id: item

    readonly property var record: mData ? mData.record : null

    contentItem: RowLayout {
        spacing: 12

        Label {
            Layout.preferredWidth: 150
            textFormat: Text.PlainText
            text: item.record && item.record.at ? item.record.at.toLocaleString(Qt.locale(), Locale.ShortFormat) : ""
            opacity: 0.8
        }
        ServiceLabel {
            objectName: "activitySentence"
            Layout.fillWidth: true
            maximumLength: 400
            serviceText: AuditTexts.sentence(item.record, item.mData ? item.mData.count : 1)
            color: item.record && item.record.status !== 0 ? "#a00000" : palette.windowText
        }
    }
}
