import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// Hosts an entity editor: OK writes the edits, closing drops them.
EntityDialog {
    id: dialog

    property string entityTypeName
    property alias entityEditorUi: dialog.contentItem
    readonly property var entity: d.has("entity") && contentItem.entity ? contentItem.entity : null
    readonly property bool isAcceptable: d.has("isAcceptable") ? contentItem.isAcceptable : true
    readonly property bool isAppliable: d.has("isAppliable") ? contentItem.isAppliable : true
    property bool multipaged: false
    property bool lastPage: d.has("lastPage") ? contentItem.lastPage : true

    title: d.has("isNewEntity") && contentItem.isNewEntity ? qsTr("Create %1").arg(entityTypeName)
                                                           : qsTr("Edit %1").arg(entityTypeName)
    standardButtons: multipaged && !lastPage ? QQC2.Dialog.Apply | QQC2.Dialog.Cancel
                                             : QQC2.Dialog.Ok | QQC2.Dialog.Cancel
    enterButton: multipaged && !lastPage ? QQC2.Dialog.Apply : QQC2.Dialog.Ok
    // An outside click must not throw the edits away.
    closePolicy: QQC2.Popup.CloseOnEscape
    width: parent ? Math.max(implicitWidth, parent.width / 2) : implicitWidth
    height: parent ? parent.height / 2 : implicitHeight

    onAccepted: d.call("accept")
    onApplied: d.call("apply")
    onAboutToShow: d.call("opening")
    onClosed: {
        d.call("closed")
        d.call("reset")
    }
    // The buttons are made anew whenever the set changes.
    onStandardButtonsChanged: d.bindButtons()
    Component.onCompleted: d.bindButtons()

    Connections {
        target: dialog.contentItem
        ignoreUnknownSignals: true
        function onAcceptCloseRequested() { dialog.accept() }
    }

    QtObject {
        id: d

        function has(member) {
            return !!dialog.contentItem && member in dialog.contentItem
        }

        function call(member) {
            if (has(member) && typeof dialog.contentItem[member] === "function")
                dialog.contentItem[member]()
        }

        function bindButtons() {
            var ok = dialog.standardButton(QQC2.Dialog.Ok)
            if (ok)
                ok.enabled = Qt.binding(function () { return dialog.isAcceptable })
            var apply = dialog.standardButton(QQC2.Dialog.Apply)
            if (apply)
                apply.enabled = Qt.binding(function () { return dialog.isAppliable })
        }
    }
}
