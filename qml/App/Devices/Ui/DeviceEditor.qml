import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import App.Devices 1.0
import App.Tags 1.0
import App.Tags.Ui 1.0

// The current device: its details and name, its tags, its settings and its tasks. Edits go into
// the device at once; Apply asks the screen to store them.
QQC2.Pane {
    id: editor

    signal updateRequested(Device device)

    property Device entity: null
    property var navigator: null
    property DevicesFilter devicesFilter: null
    property TagsManager tagsManager: TagsDictionary.manager
    property var locationNameOf: function (customerId) { return Strings.notAvailable }
    readonly property alias tabBar: tabBar
    // The tab pages; the settings and tasks pages are filled by their own modules.
    readonly property alias settingsTab: settingsTab
    readonly property alias tagsTab: tagsTab
    readonly property alias tasksTab: tasksTab

    enabled: !!entity

    ColumnLayout {
        anchors.fill: parent

        DeviceDetailsEditor {
            objectName: "deviceDetailsEditor"
            Layout.fillWidth: true
            entity: editor.entity
            locationNameOf: editor.locationNameOf
        }

        QQC2.TabBar {
            id: tabBar
            objectName: "deviceEditorTabs"
            Layout.fillWidth: true
            currentIndex: 1

            TabButton { objectName: "settingsTabButton"; text: qsTr("Settings") }
            TabButton { objectName: "tagsTabButton"; text: Strings.tagsTitle }
            TabButton { objectName: "tasksTabButton"; text: Strings.tasks }
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabBar.currentIndex

            DeviceSettingsEditor {
                id: settingsTab
                objectName: "deviceSettingsTab"

                entity: editor.entity
                deviceFilter: editor.devicesFilter
            }

            TagsListView {
                id: tagsTab
                objectName: "deviceTagsView"

                manager: editor.tagsManager
                alwaysShowSelection: false
                selectedTagIds: editor.entity ? (editor.entity.tagIds || []) : undefined
                // A device without tags reads as an empty selection; only a real change is written.
                onSelectedTagIdsChanged: {
                    if (editor.entity && selectedTagIds
                            && JSON.stringify(selectedTagIds) !== JSON.stringify(editor.entity.tagIds || []))
                        editor.entity.tagIds = selectedTagIds
                }
            }

            Item {
                id: tasksTab
                objectName: "deviceTasksTab"

                DeviceTicketsView {
                    objectName: "deviceTicketsView"
                    anchors.fill: parent
                    entity: editor.entity
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true

            Item { Layout.fillWidth: true }

            Button {
                objectName: "applyDeviceButton"
                text: qsTr("Apply")
                icon.source: "/Icons/apply.svg"
                enabled: !!editor.entity
                onClicked: {
                    editor.updateRequested(editor.entity)
                    settingsTab.updateSettings()
                }
            }
        }
    }
}
