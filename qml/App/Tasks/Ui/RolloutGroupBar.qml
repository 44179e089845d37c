import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0 as Controls

// One group of a rollout: a bar split into its pending, running, completed and failed tickets
// (canceled ones grey), and the counts in words.
ColumnLayout {
    id: bar

    property var group: ({})
    property int groupIndex: 0

    readonly property int __total: Math.max(1, group.size || 0)
    readonly property var __parts: [
        { "count": group.completed || 0, "color": "#3c9b4a" },
        { "count": group.failed || 0, "color": "#c8433a" },
        { "count": group.running || 0, "color": "#3b7bd1" },
        { "count": group.pending || 0, "color": "#c9c9c9" },
        { "count": group.canceled || 0, "color": "#8a8a8a" }
    ]

    spacing: 2

    Controls.Label {
        objectName: "rolloutGroupCounts"
        Layout.fillWidth: true
        textFormat: Text.PlainText
        elide: Text.ElideRight
        text: !bar.group.started
              ? qsTr("Group %1: %2 devices, not started").arg(bar.groupIndex + 1).arg(bar.group.size || 0)
              : qsTr("Group %1: %2 pending, %3 running, %4 completed, %5 failed")
                .arg(bar.groupIndex + 1).arg(bar.group.pending || 0).arg(bar.group.running || 0)
                .arg(bar.group.completed || 0).arg(bar.group.failed || 0)
                + (bar.group.canceled ? qsTr(", %1 canceled").arg(bar.group.canceled) : "")
    }

    Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 8
        color: "#eeeeee"
        clip: true

        Row {
            anchors.fill: parent
            Repeater {
                model: bar.__parts
                Rectangle {
                    width: parent.width * modelData.count / bar.__total
                    height: parent.height
                    color: modelData.color
                }
            }
        }
    }
}
