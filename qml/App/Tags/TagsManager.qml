import QtQuick 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import "qrc:///Entities/EntityTree.js" as EntityTree

// The tag service calls, and the tree helpers over the listed tags.
QmlObject {
    id: manager

    property bool mockup: false
    // Tags served instead of the service's while in mock-up mode.
    property var mockupTags: []

    readonly property CollectionService listTags: CollectionService {
        baseUrl: Endpoints.serviceUri
        method: "listTags"
        manual: manager.mockup
        collectionProperty: "result.items"
        listRequired: true
        keepsResult: true
        idProperty: "idd"
        delegate: TagSerializer
        mockupInput: manager.mockup ? manager.mockupTags : undefined
        bodyParams: ({ "sessionToken": AuthManager.currentLoginInfo.sessionToken })
    }

    readonly property SingleResultService createTag: SingleResultService {
        property Tag tag: null

        baseUrl: Endpoints.serviceUri
        method: "addTag"
        manual: true
        delegate: TagSerializer
        bodyParams: manager.__tagBody(tag)
    }

    readonly property SingleResultService updateTag: SingleResultService {
        property Tag tag: null

        baseUrl: Endpoints.serviceUri
        method: "updateTag"
        manual: true
        delegate: TagSerializer
        bodyParams: manager.__tagBody(tag)
    }

    readonly property SingleResultService deleteTag: SingleResultService {
        property Tag tag: null

        baseUrl: Endpoints.serviceUri
        method: "deleteTag"
        manual: true
        delegate: Component {
            QtObject {
                property var modelData
            }
        }
        bodyParams: ({
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "id": tag ? tag.idd : ""
        })
    }

    function __tagBody(tag) {
        return {
            "sessionToken": AuthManager.currentLoginInfo.sessionToken,
            "tag": tag ? TagDeserializer.jsonEntity(tag) : null
        }
    }

    function findTagParent(tag) {
        var index = listTags.resultIndex
        if (!tag || !tag.parentId || !index)
            return null
        return index[tag.parentId] || null
    }

    // Sorts each tag after its parent and siblings by name; a loop of parents ends the path.
    function sortableTagPath(tag) {
        return EntityTree.sortablePath(listTags.resultIndex, tag, "parentId")
    }

    function tagIntent(tag) {
        return EntityTree.depth(listTags.resultIndex, tag, "parentId")
    }

    function createNewLocalEntity(properties, owner) {
        return localTag.createObject(owner || null, properties || {})
    }

    Component {
        id: localTag
        Tag {}
    }
}
