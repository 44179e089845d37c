pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import App.MockupDatasets 1.0

// The application-wide tag list, listed again after every change of a tag.
QmlObject {
    id: dictionary

    readonly property TagsManager manager: TagsManager {
        mockup: MockupConfig.useMockupDatasets
        mockupTags: MockupConfig.useMockupDatasets ? MockupDataset.tags : []
    }

    Component.onCompleted: {
        var changes = [manager.createTag, manager.updateTag, manager.deleteTag]
        for (var i = 0; i < changes.length; ++i)
            changes[i].invoked.connect(function () { manager.listTags.invoke() })
    }
}
