import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import Ostrel 1.0
import App.Controls 1.0
import App.Managers 1.0
import App.Devices 1.0
import App.Tags 1.0
import App.Tags.Ui 1.0

// The current device: its details and name, its tags, its settings and its tasks. Name and tags
// are edited in a draft beside the device, which keeps the stored values for the list; Apply asks
// the screen to store the draft.
QQC2.Pane {
    id: editor

    signal updateRequested(Device device)

    property Device entity: null
    property string draftTitle: ""
    property var draftTagIds: []
    // The draft differs from what the service stored.
    readonly property bool dirty: !!entity && (draftTitle !== d.storedTitle || !d.sameIds(draftTagIds, d.storedTagIds))
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

    // Stores the draft (and the settings) through the screen.
    function apply() {
        if (!entity)
            return
        updateRequested(draftDevice())
        settingsTab.updateSettings()
    }

    // The device as the draft has it: only what updateDevice sends.
    function draftDevice() {
        return draftCopy.createObject(editor, { "idd": entity.idd, "title": draftTitle,
                                                "tagIds": draftTagIds.slice(), "customerId": entity.customerId })
    }

    function discard() {
        d.takeStored()
    }

    // The service has stored the draft.
    function markStored() {
        d.storedTitle = draftTitle
        d.storedTagIds = draftTagIds.slice()
    }

    Component.onCompleted: d.takeStored()
    // The same device read again keeps the draft; another device starts from its stored values.
    onEntityChanged: {
        if (entity && entity.idd === d.draftOf && dirty) {
            d.storedTitle = entity.title
            d.storedTagIds = entity.tagIds || []
        } else {
            d.takeStored()
        }
    }

    QtObject {
        id: d

        property int draftOf: 0
        property string storedTitle: ""
        property var storedTagIds: []

        // The same tags in any order.
        function sameIds(a, b) {
            var order = function (x, y) { return x - y }
            return JSON.stringify((a || []).slice().sort(order)) === JSON.stringify((b || []).slice().sort(order))
        }

        function takeStored() {
            var entity = editor.entity
            storedTitle = entity ? entity.title : ""
            storedTagIds = entity ? (entity.tagIds || []) : []
            draftOf = entity ? entity.idd : 0
            editor.draftTitle = storedTitle
            editor.draftTagIds = storedTagIds.slice()
        }
    }

    Component {
        id: draftCopy
        Device {}
    }

    ColumnLayout {
        anchors.fill: parent

        DeviceDetailsEditor {
            objectName: "deviceDetailsEditor"
            Layout.fillWidth: true
            entity: editor.entity
            title: editor.draftTitle
            locationNameOf: editor.locationNameOf
            onTitleEdited: editor.draftTitle = title
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
                selectedTagIds: editor.entity ? editor.draftTagIds : undefined
                // A device without tags reads as an empty selection; only a real change is drafted.
                onSelectedTagIdsChanged: {
                    if (editor.entity && selectedTagIds
                            && JSON.stringify(selectedTagIds) !== JSON.stringify(editor.draftTagIds))
                        editor.draftTagIds = selectedTagIds
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

            ReasonHolder {
                objectName: "applyDeviceHolder"
                reason: Rights.whyNot(RoleRights.EditDevice)

                Button {
                    objectName: "applyDeviceButton"
                    anchors.fill: parent
                    text: qsTr("Apply")
                    icon.source: "/Icons/apply.svg"
                    enabled: !!editor.entity && Rights.may(RoleRights.EditDevice)
                    onClicked: editor.apply()
                }
            }
        }
    }
}
