import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import App.Devices 1.0
import App.Tags 1.0
import App.Tags.Ui 1.0

// The criteria of the device list: tags, state, firmwares, models, location state, registration
// and sublocations. Every control shows the filter's value, so a filter set elsewhere shows too.
QQC2.Pane {
    id: editor

    property DevicesFilter filter: null
    property TagsManager tagsManager: TagsDictionary.manager
    property DevicesManager devicesManager: null

    readonly property var firmwares: __sortedByName(devicesManager ? devicesManager.listFirmwares.result : null)
    readonly property var models: __sortedByName(devicesManager ? devicesManager.listModels.result : null)

    function clearFilters() {
        if (filter)
            filter.reset()
    }

    // Locale-aware, ignoring case and accents.
    function __sortedByName(list) {
        var sorted = list ? list.slice() : []
        sorted.sort(function (a, b) {
            return a.name.toLocaleLowerCase().localeCompare(b.name.toLocaleLowerCase())
        })
        return sorted
    }

    // Indexes of the entries whose ids the filter holds, in the filter's order.
    function __indexesOf(entries, ids) {
        var indexes = []
        for (var i = 0; ids && i < ids.length; ++i) {
            var at = entries.findIndex(function (entry) { return entry.idd === ids[i] })
            if (at >= 0)
                indexes.push(at)
        }
        return indexes
    }

    function __idsAt(entries, indexes) {
        return indexes.map(function (i) { return entries[i] ? entries[i].idd : null })
                      .filter(function (id) { return id !== null })
    }

    padding: 8

    QQC2.ScrollView {
        anchors.fill: parent
        contentWidth: availableWidth
        clip: true

        ColumnLayout {
            width: parent.width
            spacing: 8

            Button {
                objectName: "clearFiltersButton"
                Layout.fillWidth: true
                text: Strings.clearFilters
                icon.source: "/Icons/clear-filter.svg"
                onClicked: editor.clearFilters()
            }

            Label {
                text: Strings.deviceFilterTags
            }
            TagsListView {
                objectName: "filterTagsView"
                Layout.fillWidth: true
                Layout.preferredHeight: 260
                manager: editor.tagsManager
                alwaysShowSelection: false
                selectedTagIds: editor.filter ? editor.filter.tagIds : []
                onSelectedTagIdsChanged: {
                    if (editor.filter && selectedTagIds !== editor.filter.tagIds)
                        editor.filter.tagIds = selectedTagIds
                }
            }

            TriStateChoice {
                objectName: "stateChoice"
                title: Strings.deviceFilterState
                value: editor.filter ? editor.filter.onlineOnly : undefined
                onChosen: editor.filter.onlineOnly = value
            }

            Label {
                text: Strings.deviceFilterFirmware
            }
            MultiSelectComboBox {
                objectName: "firmwareSelector"
                Layout.fillWidth: true
                model: editor.firmwares
                selectedIndexes: editor.filter ? editor.__indexesOf(editor.firmwares, editor.filter.firmwareVersions) : []
                onAccepted: editor.filter.firmwareVersions = editor.__idsAt(editor.firmwares, selectedIndexes)
            }

            Label {
                text: Strings.deviceFilterModel
            }
            MultiSelectComboBox {
                objectName: "modelSelector"
                Layout.fillWidth: true
                model: editor.models
                selectedIndexes: editor.filter ? editor.__indexesOf(editor.models, editor.filter.models) : []
                onAccepted: editor.filter.models = editor.__idsAt(editor.models, selectedIndexes)
            }

            TriStateChoice {
                objectName: "archivedChoice"
                Layout.fillWidth: true
                title: Strings.deviceFilterArchivedOnly
                value: editor.filter ? editor.filter.archivedCustomer : undefined
                onChosen: editor.filter.archivedCustomer = value
            }

            TriStateChoice {
                objectName: "unregisteredChoice"
                Layout.fillWidth: true
                title: Strings.deviceFilterUnboundOnly
                value: editor.filter ? editor.filter.unregistered : undefined
                onChosen: editor.filter.unregistered = value
            }

            CheckBox {
                objectName: "includeSublocationsCheckBox"
                text: Strings.deviceFilterIncludeSubs
                checked: editor.filter ? editor.filter.includeServants : true
                onToggled: editor.filter.includeServants = checked
            }
        }
    }
}
