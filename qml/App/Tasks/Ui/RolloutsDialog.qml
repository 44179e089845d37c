import QtQuick 2.15
import QtQuick.Controls 2.15
import App.Tasks 1.0
import EntitiesUi 1.0

// The staged rollouts over the tasks screen.
EntityDialog {
    id: dialog
    objectName: "rolloutsDialog"

    width: parent ? parent.width * 0.8 : 640
    height: parent ? parent.height * 0.85 : 480
    title: qsTr("Rollouts")
    standardButtons: Dialog.Close
    Component.onCompleted: standardButton(Dialog.Close).objectName = "rolloutsCloseButton"

    RolloutsView {
        anchors.fill: parent
        padding: 0
        manager: TasksDictionary.rolloutsManager
        live: dialog.visible
    }
}
