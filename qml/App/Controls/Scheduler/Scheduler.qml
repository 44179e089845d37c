import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.DevicesSettings 1.0

// Edits the entries of a power schedule setting: each change assigns the setting a new list.
QQC2.Frame {
    id: scheduler

    // A device setting whose value is a list of power schedule values.
    property var entity
    readonly property var entries: entity && entity.value ? entity.value : []
    // The stored schedule could not be read and nothing replaces it yet.
    readonly property bool showsUnreadable: !!entity && !!entity.unreadable && entries.length === 0
    readonly property alias list: list

    function add() {
        if (!entity)
            return
        entity.value = entries.concat([newEntry.createObject(null)])
    }

    function remove(index) {
        if (!entity || index < 0 || index >= entries.length)
            return
        var kept = entries.slice()
        kept.splice(index, 1)
        entity.value = kept
    }

    // Time wheels still turning stop where they are: the schedule is about to be stored.
    function settle() {
        var rows = list.contentItem.children
        for (var i = 0; i < rows.length; ++i) {
            if (typeof rows[i].settle === "function")
                rows[i].settle()
        }
    }

    clip: true

    ColumnLayout {
        anchors.fill: parent
        spacing: 4

        RowLayout {
            Layout.fillWidth: true

            Controls.Label {
                text: Strings.scheduler
            }

            Item {
                Layout.fillWidth: true
                implicitWidth: 300
            }

            Controls.ToolButton {
                objectName: "addButton"
                Layout.alignment: Qt.AlignTop | Qt.AlignRight
                icon.source: "/Icons/add.svg"
                onClicked: scheduler.add()
            }
        }

        Rectangle {
            Layout.fillWidth: true
            height: 1
            color: "black"
        }

        Controls.Label {
            objectName: "unreadableScheduleLabel"
            Layout.fillWidth: true
            visible: scheduler.showsUnreadable
            wrapMode: Text.Wrap
            text: qsTr("The stored power schedule cannot be read. It stays as it is unless you add entries.")
        }

        ListView {
            id: list
            objectName: "scheduleList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            implicitHeight: Math.max(contentHeight, 60)
            spacing: 5
            clip: true
            model: scheduler.entries
            delegate: WeekPlanner {
                objectName: "weekPlanner_" + index
                psv: modelData
                entity: modelData ? modelData.plan : null
                entryIndex: index
                onRemoveClicked: scheduler.remove(entryIndex)
            }
        }
    }

    Component {
        id: newEntry
        PowerScheduleValue {}
    }
}
