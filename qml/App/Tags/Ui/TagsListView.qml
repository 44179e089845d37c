import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls.Material 2.15
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Controls 1.0
import App.Tags 1.0
import EntitiesUi 1.0
import "qrc:///App/Tags/TagsTree.js" as TagsTree

// The tag tree. While selectedTagIds is set each row has a check box, and with autoSelectTagIds
// the selection follows the tree: a ticked tag ticks its ancestors, an unticked one its
// descendants.
QQC2.Pane {
    id: view

    property TagsManager manager: null
    property var selectedTagIds: undefined
    property bool autoSelectTagIds: true
    property alias alwaysShowSelection: list.alwaysShowSelection
    // The row of this tag becomes current once the list holds it (for example a tag just made).
    property alias lastSelectedEntityId: list.lastSelectedEntityId
    readonly property alias currentIndex: list.currentIndex
    readonly property alias list: list

    readonly property var tags: manager && manager.listTags.result ? manager.listTags.result : []
    readonly property var tagsIndex: manager && manager.listTags.resultIndex ? manager.listTags.resultIndex : ({})
    readonly property var orderedTagsTree: TagsTree.orderedRows(tags, tagsIndex)
    readonly property var selectedEntity: list.currentIndex >= 0 && list.currentIndex < orderedTagsTree.length
                                          ? orderedTagsTree[list.currentIndex].tag : null
    readonly property bool hasSelection: selectedTagIds !== undefined && selectedTagIds !== null

    function isSelected(tagId) {
        return hasSelection && selectedTagIds.indexOf(tagId) >= 0
    }

    function setTagIdIsSelected(tagId, select) {
        if (!hasSelection)
            return
        var changed = TagsTree.changedSelection(selectedTagIds, tagId, select, autoSelectTagIds, tags, tagsIndex)
        if (changed)
            QmlX.writeProperty(view, "selectedTagIds", changed, QmlX.DontRemoveBinding)
    }

    padding: 0

    ListStatusBanner {
        id: banner
        width: parent.width
        service: view.manager ? view.manager.listTags : null
    }

    ListView {
        id: list
        objectName: "tagsList"

        anchors.fill: parent
        anchors.topMargin: banner.height
        model: view.orderedTagsTree
        isDataLoading: !!view.manager && view.manager.listTags.isLoading

        delegate: ListViewItem {
            id: row
            objectName: "tagRow_" + tagId

            readonly property int tagId: mData ? mData.idd : 0
            readonly property var tag: mData ? mData.tag : null

            height: 36
            leftPadding: 8 + (mData ? mData.intent : 0) * 16

            contentItem: RowLayout {
                spacing: 6

                // Made only where tags are picked: a box per row was a good part of what a
                // long tree cost to show.
                Loader {
                    active: view.hasSelection
                    visible: active
                    sourceComponent: CheckBox {
                        objectName: "tagCheckBox"
                        padding: 0
                        checked: view.isSelected(row.tagId)
                        onToggled: {
                            row.makeCurrent()
                            view.setTagIdIsSelected(row.tagId, checked)
                            // The selection decides, not the box's own state.
                            checked = Qt.binding(function () { return view.isSelected(row.tagId) })
                        }
                    }
                }

                Image {
                    Layout.preferredWidth: 24
                    Layout.preferredHeight: 24
                    sourceSize: Qt.size(24, 24)
                    source: !!row.mData && row.mData.intent === 0 ? "/Icons/tag-multiple.svg" : "/Icons/tag.svg"
                }

                Label {
                    Layout.fillWidth: true
                    text: row.tag ? row.tag.name : ""
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: row.Material.foreground
                }
            }
        }
    }
}
