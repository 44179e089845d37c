import QtQuick 2.15
import QtQuick.Layouts 1.15
import App.Constants 1.0
import App.Controls 1.0
import App.Tags 1.0
import EntitiesUi 1.0

// The name of a tag; a name needs more than two characters.
EditEntityUi {
    id: editor
    objectName: "tagEditor"

    property Tag entity: null
    readonly property bool isNewEntity: !!entity && entity.idd === 0
    readonly property alias nameField: nameField

    isAcceptable: nameField.isAcceptable

    onEntityChanged: nameField.text = entity ? entity.name : ""
    onOpening: {
        nameField.text = entity ? entity.name : ""
        nameField.forceActiveFocus()
        nameField.selectAll()
    }
    // A new tag is the editor's own; a stored one keeps its name until the service has the new one.
    onAccept: {
        if (entity && isNewEntity)
            entity.name = nameField.text
    }
    onResetRequested: nameField.text = ""

    RowLayout {
        anchors.left: parent.left
        anchors.right: parent.right

        Label {
            text: Strings.tagsName
        }

        TextField {
            id: nameField
            objectName: "tagNameField"

            Layout.fillWidth: true
            isAcceptable: text.length > 2
            onAccepted: {
                if (editor.isAcceptable)
                    editor.acceptCloseRequested()
            }
        }
    }
}
