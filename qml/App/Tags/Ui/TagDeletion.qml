import QtQuick 2.15
import App.Devices 1.0
import App.Tags 1.0
import EntitiesUi 1.0
import "qrc:///App/Tags/TagsTree.js" as TagsTree

// Deleting a tag takes its child tags and their use on devices with it: a tag with children is
// deleted only once the operator has read how many tags and devices that touches.
Item {
    id: deletion

    property TagsManager manager: null
    readonly property alias confirmDeleteDialog: confirmDeleteDialog
    readonly property alias confirmTreeDialog: confirmTreeDialog

    // Counting the devices failed; nothing was deleted.
    signal failed(string message)

    function ask(tag) {
        if (!tag || !manager)
            return
        var ids = TagsTree.descendantsAndSelf(tag.idd, manager.listTags.result || [])
        if (ids.length < 2) {
            confirmDeleteDialog.entity = tag
            confirmDeleteDialog.open()
            return
        }
        confirmTreeDialog.tag = tag
        confirmTreeDialog.childTags = ids.length - 1
        countDevices.filterJson = { "anyOfTagsIds": ids, "includeServants": true }
        countDevices.invoke()
    }

    function __delete(tag) {
        manager.deleteTag.tag = tag
        manager.deleteTag.invoke()
    }

    DevicesCount {
        id: countDevices
        onInvokedOk: {
            confirmTreeDialog.devices = total
            confirmTreeDialog.open()
        }
        onInvokedFail: deletion.failed(message)
    }

    ConfirmDeleteEntityDialog {
        id: confirmDeleteDialog
        objectName: "confirmDeleteTagDialog"

        entityTypeName: qsTr("tag")
        onAccepted: deletion.__delete(entity)
    }

    ConfirmActionDialog {
        id: confirmTreeDialog
        objectName: "confirmDeleteTagTreeDialog"

        property var tag: null
        property int childTags: 0
        property int devices: 0

        title: qsTr("Confirm delete %1").arg(qsTr("tag"))
        text: qsTr("Delete tag %1 with the %2 tag(s) below it? %3 device(s) lose a tag.")
              .arg(tag ? tag.name : "").arg(childTags).arg(devices)
        onAccepted: deletion.__delete(tag)
    }
}
