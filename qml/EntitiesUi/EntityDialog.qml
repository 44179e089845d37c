import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls.Material 2.15
import QtQuick.Window 2.15
import QtQuickX 1.0
import App.Controls 1.0 as Controls

// What every dialog of the console shares: modal and centred, one footer whose buttons keep
// their case, stand in the platform's order and carry object names, and Enter for the default
// button.
QQC2.Dialog {
    id: dialog

    // The standard button Enter presses while it is shown and enabled; NoButton: none. A button
    // of the dialog that has the focus takes Enter itself.
    property int enterButton: QQC2.Dialog.Ok

    function pressEnterButton() {
        var focused = buttonBox.focusedItem
        // A multi-line text keeps its Enter for new lines.
        if (focused && QmlX.instanceOf(focused, "QQuickTextEdit", true))
            return
        var button = d.isDialogButton(focused) ? focused
                                               : enterButton !== QQC2.Dialog.NoButton ? standardButton(enterButton)
                                                                                      : null
        if (button && button.visible && button.enabled)
            button.clicked()
    }

    modal: true
    focus: true
    anchors.centerIn: parent

    // The style's title elides, and an eliding text's implicit width feeds back into the
    // dialog's: the dialog is made wide enough for the title instead.
    header: Controls.Label {
        objectName: "titleLabel"
        text: dialog.title
        visible: dialog.title
        padding: 24
        bottomPadding: 0
        font.bold: true
        font.pixelSize: 16
        background: Rectangle {
            radius: 2
            color: dialog.Material.dialogColor
        }
    }

    footer: QQC2.DialogButtonBox {
        id: buttonBox

        // Attached properties cannot be read through an id, so the box reads it for the dialog.
        readonly property Item focusedItem: Window.activeFocusItem

        visible: count > 0
        delegate: Controls.Button {
            flat: true
        }

        // The box makes its standard buttons without an owner and would leave them behind
        // with the dialog; taking them away deletes them.
        Component.onDestruction: standardButtons = QQC2.DialogButtonBox.NoButton
    }

    // Each opening starts at the content, not at the button pressed last time; at once, so that
    // keys typed while the dialog animates in reach it.
    onAboutToShow: contentItem.forceActiveFocus()
    onStandardButtonsChanged: d.nameButtons()
    Component.onCompleted: d.nameButtons()

    QtObject {
        id: d

        readonly property var buttonNames: [
            [QQC2.Dialog.Ok, "okButton"], [QQC2.Dialog.Cancel, "cancelButton"],
            [QQC2.Dialog.Apply, "applyButton"], [QQC2.Dialog.Discard, "discardButton"],
            [QQC2.Dialog.Close, "closeButton"], [QQC2.Dialog.Save, "saveButton"]
        ]

        function isDialogButton(item) {
            for (var ancestor = item ? item.parent : null; ancestor; ancestor = ancestor.parent) {
                if (ancestor === buttonBox)
                    return true
            }
            return false
        }

        // A name the owner gave a button stays.
        function nameButtons() {
            buttonNames.forEach(function (entry) {
                var button = dialog.standardButton(entry[0])
                if (button && !button.objectName)
                    button.objectName = entry[1]
            })
        }
    }

    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: dialog.opened && dialog.enterButton !== QQC2.Dialog.NoButton
        onActivated: dialog.pressEnterButton()
    }
}
