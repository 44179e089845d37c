import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.DataProviders 1.0
import App.Tasks 1.0
import App.Tasks.TaskEditor 1.0
import "qrc:///App/Tasks/TaskEditor/TaskDataTexts.js" as TaskDataTexts

// A firmware version for the devices: the latest of each device's code (one task per target
// version, made by the handler), or one chosen version of the catalogue for all.
TaskDataEditorUi {
    id: editor

    property var handler: TasksDictionary.tasksHandler
    readonly property bool useLatestVersion: latest.checked
    // The catalogue's versions by model, newest first, each labelled with its model.
    readonly property var versions: manager ? manager.firmwareChoices.map(function (row) {
        return { "version": row.version, "code": row.code,
                 "label": row.code ? qsTr("%1 (model %2)").arg(row.version).arg(row.code) : row.version }
    }) : []
    readonly property string currentVersion: versionList.currentIndex >= 0 && versions[versionList.currentIndex]
                                             ? versions[versionList.currentIndex].version : ""
    readonly property var __groups: handler ? handler.devicesGroups : ({})
    readonly property bool __groupsReady: !!handler && handler.devicesGroupsReady
    // Group by group, where the service offers it; only to the latest version of each device.
    readonly property bool rolloutsOffered: !!handler && !!handler.rolloutsManager
                                            && handler.rolloutsManager.available
    readonly property bool inStages: rolloutsOffered && latest.checked && stagesEditor.inStages
    readonly property var stagesPlan: stagesEditor.plan

    // What the task will do, group by group.
    readonly property string versionsFound: {
        var text = qsTr("Versions found:")
        for (var version in __groups)
            text += "\n " + version + qsTr(" - IFPs: ") + __groups[version].length
        return text
    }

    value: TaskDataTexts.firmwareUpdate(latest.checked, Endpoints.otaUri, currentVersion)
    // Updating to the latest waits until every device the filter finds has been looked at.
    isAcceptable: latest.checked ? versions.length > 0 && __groupsReady && stagesEditor.isAcceptable
                                 : versions.length > 0 && versionList.currentIndex >= 0

    onResetRequested: {
        latest.checked = true
        stagesEditor.reset()
    }

    ColumnLayout {
        anchors.fill: parent

        Controls.CheckBox {
            id: latest
            objectName: "firmwareToTheLatest"
            text: Strings.toTheLatest
            checked: true
            onToggled: if (!checked && editor.manager) editor.manager.reloadOTAFirmwares()
        }

        CatalogueProblem {
            objectName: "firmwareCatalogueProblem"
            Layout.fillWidth: true
            text: editor.manager ? editor.manager.otaError : ""
            onRetry: editor.manager.reloadOTAFirmwares()
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: latest.checked

            Controls.Label {
                objectName: "versionsFound"
                Layout.fillWidth: true
                text: editor.__groupsReady ? editor.versionsFound
                                           : editor.handler && editor.handler.devicesGroupsFailed
                                             ? qsTr("The devices could not be listed.") : qsTr("Looking at the devices…")
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
            }

            RolloutStagesEditor {
                id: stagesEditor
                objectName: "rolloutStagesEditor"
                Layout.fillWidth: true
                visible: editor.rolloutsOffered
            }

            BusyIndicator {
                running: !editor.__groupsReady && !(editor.handler && editor.handler.devicesGroupsFailed)
                visible: running
            }

            Controls.UnderConstruction {
                Layout.fillWidth: true
                Layout.preferredHeight: 120
            }

            Item {
                Layout.fillHeight: true
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: !latest.checked

            Controls.Label {
                text: Strings.selectFirmware
            }

            TaskDataListView {
                id: versionList
                objectName: "firmwareVersionList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                model: editor.versions
                textProperty: "label"
                iconSource: "/Icons/sync.svg"
                isDataLoading: !!editor.manager && editor.manager.isLoading
                onModelChanged: currentIndex = count > 0 ? 0 : -1
            }
        }
    }
}
