import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0
import App.Audit 1.0
import "../AuditTexts.js" as AuditTexts

// One record of the activity list: when, and what happened in one readable line.
ListViewItem {
    id: item

    contentItem: RowLayout {
        spacing: 12

        Label {
            Layout.preferredWidth: 150
            textFormat: Text.PlainText
            text: item.mData && item.mData.at ? item.mData.at.toLocaleString(Qt.locale(), Locale.ShortFormat) : ""
            opacity: 0.8
        }
        ServiceLabel {
            objectName: "activitySentence"
            Layout.fillWidth: true
            maximumLength: 400
            serviceText: AuditTexts.sentence(item.mData)
            color: item.mData && item.mData.status !== 0 ? "#a00000" : palette.windowText
        }
    }
}
