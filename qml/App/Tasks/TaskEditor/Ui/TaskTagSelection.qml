import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Controls 1.0 as Controls
import App.Tags 1.0

// The tags a task targets: a device carrying any ticked tag is reached. Each tick affects only
// its own tag.
Pane {
    id: selection

    property TagsManager manager: TagsDictionary.manager
    property var selectedTagIds: []
    readonly property var tags: {
        var list = manager && manager.listTags.result ? manager.listTags.result.slice() : []
        return list.sort(function (a, b) {
            var x = selection.manager.sortableTagPath(a)
            var y = selection.manager.sortableTagPath(b)
            return x < y ? -1 : x > y ? 1 : 0
        })
    }

    function clearSelection() {
        selectedTagIds = []
    }

    function __setTicked(tagId, ticked) {
        var ids = selectedTagIds.filter(function (id) { return id !== tagId })
        if (ticked)
            ids.push(tagId)
        selectedTagIds = ids
    }

    padding: 0
    visible: tags.length > 0

    Controls.ListView {
        anchors.fill: parent
        model: selection.tags
        neverShowSelection: true

        delegate: Controls.CheckBox {
            objectName: "taskTag_" + modelData.name
            leftPadding: 8 + 20 * selection.manager.tagIntent(modelData)
            text: modelData.name
            checked: selection.selectedTagIds.indexOf(modelData.idd) >= 0
            onToggled: selection.__setTicked(modelData.idd, checked)
            Component.onCompleted: contentItem.textFormat = Text.PlainText
        }
    }
}
