import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import App.Constants 1.0
import Ostrel 1.0
import App.Controls 1.0
import App.Managers 1.0
import App.Tags 1.0
import EntitiesUi 1.0
import Datamizer 1.0

// The tag tree ("Structure"): add root and child tags, rename and delete them. Every call is
// followed by a new list; a failed call is also reported, so an edit that the reload took back
// is explained.
QQC2.Pane {
    id: view
    objectName: "manageTagsView"

    property var navigator: null
    property string title: qsTr("Manage Devices Structure")
    property TagsManager manager: TagsDictionary.manager
    readonly property alias tagsListView: tagsListView
    readonly property alias editDialog: editDialog
    readonly property alias tagDeletion: tagDeletion

    function editTag(tag) {
        if (!Rights.may(tag.idd ? RoleRights.EditTag : RoleRights.CreateTag))
            return
        editDialog.entityEditorUi.entity = tag
        editDialog.open()
    }

    function addTag(name, parentId) {
        editTag(manager.createNewLocalEntity({ "name": name, "parentId": parentId }, view))
    }

    function reportFailure(message) {
        errorDialog.entityTypeName = Strings.tagEntityName
        errorDialog.reason = message || Strings.requestFailedError
        errorDialog.open()
    }

    ScreenToolBarRow {
        navigator: view.navigator

        ToolButton {
            objectName: "deleteTagButton"
            text: qsTr("Delete tag(s)")
            icon.source: "/Icons/delete-forever.svg"
            enabled: !!tagsListView.selectedEntity
            visible: Rights.may(RoleRights.DeleteTag)
            onClicked: tagDeletion.ask(tagsListView.selectedEntity)
        }
        ToolButton {
            objectName: "editTagButton"
            text: qsTr("Edit tag")
            icon.source: "/Icons/tag-edit.svg"
            enabled: !!tagsListView.selectedEntity
            visible: Rights.may(RoleRights.EditTag)
            onClicked: view.editTag(tagsListView.selectedEntity)
        }
        ToolButton {
            objectName: "addChildTagButton"
            text: qsTr("Add child tag")
            icon.source: "/Icons/tag-node-plus.svg"
            enabled: !!tagsListView.selectedEntity
            visible: Rights.may(RoleRights.CreateTag)
            onClicked: view.addTag(qsTr("New child tag"), tagsListView.selectedEntity.idd)
        }
        ToolButton {
            objectName: "addRootTagButton"
            text: qsTr("Add root tag")
            icon.source: "/Icons/tag-plus.svg"
            visible: Rights.may(RoleRights.CreateTag)
            onClicked: view.addTag(qsTr("New root tag"), 0)
        }
        ToolButton {
            objectName: "refreshTagsButton"
            text: qsTr("Refresh")
            icon.source: "/Icons/refresh.svg"
            display: QQC2.AbstractButton.IconOnly
            onClicked: view.manager.listTags.invoke()
        }
    }

    TagsListView {
        id: tagsListView
        objectName: "tagsListView"

        anchors.fill: parent
        manager: view.manager
    }

    Connections {
        target: view.manager.createTag

        function onInvokedOk() {
            var created = view.manager.createTag.result
            if (!created)
                return
            Feedback.confirm(qsTr("Tag '%1' created.").arg(created.name))
            tagsListView.lastSelectedEntityId = created.idd
        }
        function onInvokedFail(message) { view.reportFailure(message) }
    }
    Connections {
        target: view.manager.updateTag
        function onInvokedOk() {
            var tag = view.manager.updateTag.tag
            Feedback.confirm(qsTr("Tag '%1' saved.").arg(tag ? tag.name : ""))
        }
        function onInvokedFail(message) { view.reportFailure(message) }
    }
    Connections {
        target: view.manager.deleteTag
        function onInvokedOk() {
            var tag = view.manager.deleteTag.tag
            Feedback.confirm(qsTr("Tag '%1' deleted.").arg(tag ? tag.name : ""))
        }
        function onInvokedFail(message) { view.reportFailure(message) }
    }

    EditEntityDialog {
        id: editDialog
        objectName: "tagEditDialog"

        entityTypeName: Strings.tagEntityName
        width: view.width / 2
        height: implicitHeight

        entityEditorUi: TagEditor {
            id: tagEditor
            onAccept: {
                if (!entity)
                    return
                var call = isNewEntity ? view.manager.createTag : view.manager.updateTag
                // A rename goes out as a copy: the tree shows stored names only.
                call.tag = isNewEntity ? entity
                                       : view.manager.createNewLocalEntity({ "idd": entity.idd, "parentId": entity.parentId,
                                                                             "name": nameField.text }, view)
                call.invoke()
            }
        }
    }

    TagDeletion {
        id: tagDeletion
        anchors.fill: parent
        manager: view.manager
        onFailed: view.reportFailure(message)
    }

    ErrorEntityDialog {
        id: errorDialog
        objectName: "errorDialog"
    }

    // The application-wide lists this screen shows are given back when it closes.
    ServiceUse {
        services: [view.manager.listTags]
    }
}
