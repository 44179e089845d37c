import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Ostrel 1.0
import App.Controls 1.0 as Controls
import App.Managers 1.0
import "qrc:///App/Tasks/RolloutTexts.js" as RolloutTexts

// One rollout: its versions and state, a bar per group, and what the operator may do next.
Frame {
    id: item

    property var rollout: ({})

    signal pauseRequested()
    signal resumeRequested()
    signal abortRequested()
    signal nextGroupRequested()

    readonly property int __state: rollout.state

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right

        RowLayout {
            Layout.fillWidth: true

            Controls.Label {
                Layout.fillWidth: true
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.bold: true
                text: qsTr("Rollout %1 to %2").arg(item.rollout.id).arg((item.rollout.versions || []).join(", "))
            }
            Controls.Label {
                objectName: "rolloutState_" + item.rollout.id
                textFormat: Text.PlainText
                elide: Text.ElideRight
                Layout.maximumWidth: item.width / 2
                text: RolloutTexts.stateText(item.__state)
            }
        }

        Repeater {
            objectName: "rolloutGroups_" + item.rollout.id
            model: item.rollout.groups || []
            RolloutGroupBar {
                Layout.fillWidth: true
                objectName: "rolloutGroup_" + item.rollout.id + "_" + index
                group: modelData
                groupIndex: index
            }
        }

        RowLayout {
            visible: RolloutTexts.isOpen(item.__state) && Rights.may(RoleRights.SteerRollout)

            Controls.Button {
                objectName: "rolloutNextGroupButton_" + item.rollout.id
                text: qsTr("Start next group")
                visible: item.__state === RolloutTexts.WaitingForApproval
                onClicked: item.nextGroupRequested()
            }
            Controls.Button {
                objectName: "rolloutPauseButton_" + item.rollout.id
                text: qsTr("Pause")
                visible: item.__state !== RolloutTexts.Paused
                onClicked: item.pauseRequested()
            }
            Controls.Button {
                objectName: "rolloutResumeButton_" + item.rollout.id
                text: qsTr("Resume")
                visible: item.__state === RolloutTexts.Paused
                onClicked: item.resumeRequested()
            }
            Controls.Button {
                objectName: "rolloutAbortButton_" + item.rollout.id
                text: qsTr("Abort")
                onClicked: item.abortRequested()
            }
        }
    }
}
