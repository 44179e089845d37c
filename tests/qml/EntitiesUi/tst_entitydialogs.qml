import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Window 2.15
import QtTest 1.15
import Ostrel 1.0
import EntitiesUi 1.0
import App.Controls 1.0 as Controls

Item {
    id: root

    // Shortcuts such as Escape and Enter reach only the active window, and tests that run side by
    // side on one display take the focus from each other.
    readonly property bool windowActive: Window.active
    readonly property var ownWindow: Window.window
    // Deleted objects among those given a goneMarker child.
    property int buttonsGone: 0

    width: 800
    height: 600

    QtObject {
        id: customer
        property string name: "Main office"
    }

    EditEntityDialog {
        id: editDialog

        entityTypeName: "location"
        entityEditorUi: EditEntityUi {
            id: editor

            // Left undefined: a new entity is made only on accepting.
            property var entity
            property bool isNewEntity: true
            property int accepts: 0
            property int resets: 0
            property var events: []

            isAcceptable: nameField.text.length > 2

            onAccept: ++accepts
            onOpening: events.push("opening")
            onClosed: events.push("closed")
            onResetRequested: {
                ++resets
                nameField.text = ""
            }

            Controls.TextField {
                id: nameField
                objectName: "nameField"
                focus: true
            }
        }
    }

    EditEntityDialog {
        id: pagedDialog

        entityTypeName: "task"
        multipaged: true
        entityEditorUi: EditEntityUi {
            id: pagedEditor

            property int page: 0
            property int accepts: 0

            isAppliable: true
            isAcceptable: true
            lastPage: page === 1
            onApply: ++page
            onAccept: ++accepts
        }
    }

    EditEntityDialog {
        id: boundDialog

        property QtObject chosen: customer

        entityTypeName: "location"
        entityEditorUi: EditEntityUi {
            id: boundEditor
            property QtObject entity: boundDialog.chosen
        }
    }

    EditEntityDialog {
        id: bareDialog

        entityTypeName: "thing"
        entityEditorUi: QQC2.Pane {}
    }

    ConfirmDeleteEntityDialog {
        id: confirmDialog
        entityTypeName: "location"
    }

    ErrorEntityDialog {
        id: errorDialog
        entityTypeName: "User"
    }

    UnsavedChangesDialog {
        id: unsavedDialog
    }

    Component {
        id: passingDialog
        EntityDialog {
            standardButtons: QQC2.Dialog.Ok | QQC2.Dialog.Cancel
        }
    }

    Component {
        id: goneMarker
        QtObject {
            Component.onDestruction: ++root.buttonsGone
        }
    }

    SignalSpy { id: confirmAccepted; target: confirmDialog; signalName: "accepted" }
    SignalSpy { id: unsavedDiscarded; target: unsavedDialog; signalName: "discarded" }

    TestCase {
        name: "EntityDialogs"
        when: windowShown

        function pressKey(key) {
            activateWindow()
            keyClick(key)
        }

        function activateWindow() {
            tryVerify(function () {
                if (!root.windowActive)
                    root.ownWindow.requestActivate()
                return root.windowActive
            }, 5000, "the window is not active")
        }

        function button(dialog, name) {
            return findChild(dialog.footer, name)
        }

        function clickButton(dialog, name) {
            var found = button(dialog, name)
            verify(found, name)
            waitForItemPolished(dialog.footer.contentItem)
            mouseClick(found)
        }

        function openDialog(dialog) {
            dialog.open()
            tryCompare(dialog, "opened", true)
        }

        function closeDialog(dialog) {
            dialog.close()
            tryCompare(dialog, "visible", false)
        }

        function init() {
            activateWindow()
        }

        function cleanup() {
            [editDialog, pagedDialog, boundDialog, bareDialog, confirmDialog, errorDialog, unsavedDialog].forEach(
                function (dialog) {
                    if (dialog.visible)
                        closeDialog(dialog)
                })
        }

        function test_editTitle() {
            editor.isNewEntity = true
            compare(editDialog.title, "Create location")
            editor.isNewEntity = false
            compare(editDialog.title, "Edit location")
            compare(bareDialog.title, "Edit thing")
        }

        function test_okFollowsAcceptability() {
            openDialog(editDialog)
            var ok = button(editDialog, "okButton")
            verify(ok)
            verify(button(editDialog, "cancelButton"))
            compare(ok.enabled, false)
            nameField.text = "Lyon"
            compare(ok.enabled, true)
            nameField.text = "Ly"
            compare(ok.enabled, false)
        }

        function test_editorWithoutAcceptabilityLeavesOkEnabled() {
            compare(bareDialog.isAcceptable, true)
            compare(bareDialog.isAppliable, true)
            compare(bareDialog.entity, null)
            openDialog(bareDialog)
            compare(button(bareDialog, "okButton").enabled, true)
        }

        function test_focusOnOpen() {
            openDialog(editDialog)
            tryCompare(nameField, "activeFocus", true)
        }

        function test_tabOrder() {
            nameField.text = "Lyon"
            openDialog(editDialog)
            tryCompare(nameField, "activeFocus", true)
            pressKey(Qt.Key_Tab)
            tryCompare(button(editDialog, "okButton"), "activeFocus", true)
            pressKey(Qt.Key_Tab)
            tryCompare(button(editDialog, "cancelButton"), "activeFocus", true)
            pressKey(Qt.Key_Tab)
            tryCompare(nameField, "activeFocus", true)
        }

        function test_enterAcceptsOnlyWhenAcceptable() {
            openDialog(editDialog)
            editor.accepts = 0
            tryCompare(nameField, "activeFocus", true)
            pressKey(Qt.Key_Return)
            compare(editor.accepts, 0)
            verify(editDialog.visible)
            nameField.text = "Lyon"
            pressKey(Qt.Key_Return)
            compare(editor.accepts, 1)
            tryCompare(editDialog, "visible", false)
        }

        function test_fieldsClearedWithoutEntity() {
            editor.resets = 0
            editor.entity = undefined
            openDialog(editDialog)
            nameField.text = "Lyon"
            closeDialog(editDialog)
            compare(editor.resets, 1)
            compare(nameField.text, "")
        }

        function test_escapeClosesAndResets() {
            editor.resets = 0
            editor.accepts = 0
            editor.entity = customer
            openDialog(editDialog)
            nameField.text = "Lyon"
            pressKey(Qt.Key_Escape)
            tryCompare(editDialog, "visible", false)
            compare(editor.accepts, 0)
            compare(editor.entity, null)
            compare(editor.resets, 1)
            compare(nameField.text, "")
        }

        function test_closingResetsTheEditor_data() {
            return [
                { tag: "clear after close", clear: true, entity: null, resets: 1 },
                { tag: "keep data", clear: false, entity: customer, resets: 0 }
            ]
        }

        function test_closingResetsTheEditor(data) {
            editor.resets = 0
            editor.events = []
            editor.clearDataAfterClose = data.clear
            editor.entity = customer
            compare(editDialog.entity, customer)
            openDialog(editDialog)
            closeDialog(editDialog)
            compare(editor.entity, data.entity)
            compare(editor.resets, data.resets)
            compare(editor.events, ["opening", "closed"])
            editor.clearDataAfterClose = true
        }

        function test_resetKeepsTheScreensBinding() {
            openDialog(boundDialog)
            closeDialog(boundDialog)
            compare(boundEditor.entity, null)
            boundDialog.chosen = null
            boundDialog.chosen = customer
            compare(boundEditor.entity, customer)
        }

        function test_acceptCloseRequest() {
            editor.accepts = 0
            nameField.text = "Lyon"
            openDialog(editDialog)
            editor.acceptCloseRequested()
            tryCompare(editDialog, "visible", false)
            compare(editor.accepts, 1)
        }

        function test_pagesApplyThenAccept() {
            pagedEditor.page = 0
            pagedEditor.accepts = 0
            openDialog(pagedDialog)
            verify(button(pagedDialog, "applyButton"))
            verify(!button(pagedDialog, "okButton"))
            clickButton(pagedDialog, "applyButton")
            compare(pagedEditor.page, 1)
            verify(pagedDialog.visible)
            var ok = button(pagedDialog, "okButton")
            verify(ok)
            verify(!button(pagedDialog, "applyButton"))
            // The recreated button is bound as well.
            pagedEditor.isAcceptable = false
            compare(ok.enabled, false)
            pagedEditor.isAcceptable = true
            clickButton(pagedDialog, "okButton")
            compare(pagedEditor.accepts, 1)
            tryCompare(pagedDialog, "visible", false)
        }

        function test_editDialogSize() {
            compare(editDialog.width, Math.max(editDialog.implicitWidth, root.width / 2))
            compare(editDialog.height, root.height / 2)
        }

        function test_confirmDelete() {
            confirmDialog.entity = customer
            compare(confirmDialog.title, "Confirm delete location")
            compare(findChild(confirmDialog.contentItem, "messageLabel").text,
                    "Are you sure to delete location Main office?")
            confirmDialog.entity = {}
            compare(findChild(confirmDialog.contentItem, "messageLabel").text,
                    "Are you sure to delete location ?")
            confirmDialog.entity = customer
            confirmAccepted.clear()
            openDialog(confirmDialog)
            pressKey(Qt.Key_Escape)
            tryCompare(confirmDialog, "visible", false)
            compare(confirmAccepted.count, 0)
            // Enter presses the focused button rather than the default one.
            openDialog(confirmDialog)
            button(confirmDialog, "cancelButton").forceActiveFocus()
            pressKey(Qt.Key_Return)
            tryCompare(confirmDialog, "visible", false)
            compare(confirmAccepted.count, 0)
            openDialog(confirmDialog)
            pressKey(Qt.Key_Enter)
            tryCompare(confirmDialog, "visible", false)
            compare(confirmAccepted.count, 1)
        }

        function test_errorReasonByStatus_data() {
            return [
                { tag: "Error", status: ResponseStatus.Error, reason: "Unidentified error happened! Please, contact the support team." },
                { tag: "Unauthentificated", status: ResponseStatus.Unauthentificated, reason: "Session expired! Please, log in again." },
                { tag: "NoRights", status: ResponseStatus.NoRights, reason: "Access denied! You don't have rights for this action." },
                { tag: "AlreadyExists", status: ResponseStatus.AlreadyExists, reason: "Already exists!" },
                { tag: "NotFound", status: ResponseStatus.NotFound, reason: "Not found!" },
                { tag: "InvalidArgument", status: ResponseStatus.InvalidArgument, reason: "Unidentified error happened! Please, contact the support team." },
                { tag: "WrongContext", status: ResponseStatus.WrongContext, reason: "Unidentified error happened! Please, contact the support team." },
                { tag: "unknown", status: 42, reason: "Unidentified error happened! Please, contact the support team." }
            ]
        }

        function test_errorReasonByStatus(data) {
            errorDialog.responseStatus = data.status
            compare(errorDialog.reason, data.reason)
            compare(findChild(errorDialog.contentItem, "messageLabel").text,
                    "Error! User handling failed! " + data.reason)
            compare(errorDialog.title, "Error")
            openDialog(errorDialog)
            closeDialog(errorDialog)
            compare(errorDialog.reason, "")
            compare(errorDialog.responseStatus, 0)
            // The same status after closing fills the reason again.
            errorDialog.responseStatus = data.status
            compare(errorDialog.reason, data.reason)
            openDialog(errorDialog)
            closeDialog(errorDialog)
        }

        function test_errorReasonGivenIsKept() {
            errorDialog.reason = "Request failed!"
            errorDialog.responseStatus = ResponseStatus.NotFound
            compare(errorDialog.reason, "Request failed!")
            openDialog(errorDialog)
            verify(button(errorDialog, "okButton"))
            pressKey(Qt.Key_Return)
            tryCompare(errorDialog, "visible", false)
            compare(errorDialog.reason, "")
        }

        function test_unsavedChangesClosesOnlyByItsButtons() {
            compare(unsavedDialog.title, "Unsaved changes present")
            compare(findChild(unsavedDialog.contentItem, "messageLabel").text,
                    "There are unsaved changes. Do you want to discard them?")
            unsavedDiscarded.clear()
            openDialog(unsavedDialog)
            pressKey(Qt.Key_Escape)
            pressKey(Qt.Key_Return)
            mouseClick(root, 5, 5)
            // A popup closes on the key or press itself; the wait only lets a closing transition start.
            wait(50)
            verify(unsavedDialog.visible)
            compare(unsavedDiscarded.count, 0)
            clickButton(unsavedDialog, "discardButton")
            compare(unsavedDiscarded.count, 1)
            tryCompare(unsavedDialog, "visible", false)
            openDialog(unsavedDialog)
            clickButton(unsavedDialog, "closeButton")
            tryCompare(unsavedDialog, "visible", false)
            compare(unsavedDiscarded.count, 1)
        }

        // A screen's dialogs go with it: their buttons must not stay behind.
        function test_standardButtonsGoWithTheDialog() {
            var dialog = passingDialog.createObject(root)
            buttonsGone = 0
            goneMarker.createObject(dialog.standardButton(QQC2.Dialog.Ok))
            goneMarker.createObject(dialog.standardButton(QQC2.Dialog.Cancel))
            dialog.destroy()
            tryCompare(root, "buttonsGone", 2)
        }
    }
}
