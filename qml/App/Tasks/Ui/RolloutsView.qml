import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0 as Controls
import App.Tasks 1.0
import EntitiesUi 1.0

// The staged rollouts, kept live while shown: each with its state and groups, paused, resumed,
// aborted (after naming the devices that would not be updated) or moved to its next group.
Pane {
    id: view

    property RolloutsManager manager: null
    property bool live: visible
    // Why the last change was refused, until the next one.
    property string changeError: ""

    function requestAbort(rollout) {
        abortDialog.rollout = rollout
        abortDialog.open()
    }

    onLiveChanged: if (live && manager) manager.reload()

    Timer {
        objectName: "rolloutsFollowTimer"
        interval: 2000
        repeat: true
        running: view.live && !!view.manager
        onTriggered: if (!view.manager.isLoading) view.manager.reload()
    }

    ColumnLayout {
        anchors.fill: parent

        RowLayout {
            objectName: "rolloutsErrorBanner"
            Layout.fillWidth: true
            visible: !!view.manager && view.manager.listError !== ""

            Controls.Label {
                objectName: "rolloutsErrorText"
                Layout.fillWidth: true
                textFormat: Text.PlainText
                elide: Text.ElideRight
                text: view.manager ? qsTr("The rollouts could not be read: %1").arg(view.manager.listError) : ""
            }
            Controls.Button {
                objectName: "rolloutsRetryButton"
                text: qsTr("Retry")
                onClicked: view.manager.reload()
            }
        }

        Controls.Label {
            objectName: "rolloutChangeError"
            Layout.fillWidth: true
            visible: view.changeError !== ""
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: "red"
            text: view.changeError
        }

        Controls.Label {
            Layout.fillWidth: true
            visible: !!view.manager && view.manager.rollouts.length === 0 && view.manager.listError === ""
            textFormat: Text.PlainText
            text: qsTr("No rollouts yet. Choose \"In stages\" in a firmware update.")
        }

        ListView {
            objectName: "rolloutsList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 6
            model: view.manager ? view.manager.rollouts : []
            ScrollBar.vertical: ScrollBar {}
            delegate: RolloutListItem {
                width: ListView.view.width
                rollout: modelData
                onPauseRequested: view.manager.pause(modelData.id)
                onResumeRequested: view.manager.resume(modelData.id)
                onNextGroupRequested: view.manager.startNextGroup(modelData.id)
                onAbortRequested: view.requestAbort(modelData)
            }
        }
    }

    Connections {
        target: view.manager
        function onChangeFailed(reason) { view.changeError = reason }
        function onChangeSucceeded(method) {
            view.changeError = ""
            var texts = {
                "pauseRollout": qsTr("Rollout paused."),
                "resumeRollout": qsTr("Rollout resumed."),
                "abortRollout": qsTr("Rollout aborted."),
                "startNextGroup": qsTr("Next group of the rollout started.")
            }
            Controls.Feedback.confirm(texts[method] || qsTr("Rollout changed."))
        }
    }

    EntityDialog {
        id: abortDialog
        objectName: "rolloutAbortDialog"

        property var rollout: null

        parent: view
        width: Math.min(view.width * 0.8, 480)
        title: qsTr("Abort rollout")
        standardButtons: Dialog.Ok | Dialog.Cancel

        Controls.Label {
            objectName: "rolloutAbortText"
            width: abortDialog.availableWidth
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            text: {
                var count = abortDialog.rollout ? abortDialog.rollout.notStarted : 0
                return count === 1 ? qsTr("Abort this rollout? 1 device has not started and will not be updated.")
                                   : qsTr("Abort this rollout? %1 devices have not started and will not be updated.").arg(count)
            }
        }

        onAccepted: if (rollout) view.manager.abort(rollout.id)
    }
}
