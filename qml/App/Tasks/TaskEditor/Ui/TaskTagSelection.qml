import QtQuick 2.15
import App.Tags 1.0
import App.Tags.Ui 1.0

// The tags a task targets: a device carrying any ticked tag is reached. Each tick affects only
// its own tag; shown only when there are tags.
TagsListView {
    id: selection
    objectName: "taskTagSelection"

    function clearSelection() {
        selectedTagIds = []
    }

    manager: TagsDictionary.manager
    selectedTagIds: []
    autoSelectTagIds: false
    alwaysShowSelection: false
    visible: tags.length > 0
}
