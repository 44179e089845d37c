pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import App.MockupDatasets 1.0

// The application-wide tag list, listed again after every call that changes a tag has finished,
// also when it failed without an answer: the list then shows what the service holds.
QmlObject {
    id: dictionary

    readonly property TagsManager manager: TagsManager {
        mockup: MockupConfig.useMockupDatasets
        mockupTags: MockupConfig.useMockupDatasets ? MockupDataset.tags : []
    }

    function __relist() {
        manager.listTags.invoke()
    }

    Component.onCompleted: {
        var changes = [manager.createTag, manager.updateTag, manager.deleteTag]
        for (var i = 0; i < changes.length; ++i) {
            changes[i].invokedOk.connect(__relist)
            changes[i].invokedFail.connect(__relist)
        }
    }
}
