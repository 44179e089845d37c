import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Controls.Material 2.15
import QtQuickX 1.0
import App.Controls 1.0 as Controls
import "qrc:///QtQuickX/Model.js" as Model

// Shows the selected entries as chips that unselect them when clicked; a pop-up list of check
// boxes selects more.
QQC2.Control {
    id: control

    property var model: []
    property var selectedIndexes: []
    property string nameRole: "name"
    property string nothingSelectedPlaceholderText: qsTr("Select…")
    property string selectMoreText: qsTr("Select more…")

    signal accepted()

    // Moves the entry to the end of the selection, so the chips keep the order of choosing.
    function select(i) {
        var indexes = d.indexesWithout(i)
        indexes.push(i)
        d.writeSelection(indexes)
    }

    function unselect(i) {
        d.writeSelection(d.indexesWithout(i))
    }

    implicitWidth: 300
    padding: d.hasSelection ? 6 : 0
    bottomPadding: d.hasSelection ? 2 : 0
    Material.elevation: 0

    QtObject {
        id: d

        readonly property bool hasSelection: !!control.selectedIndexes
                                             && control.selectedIndexes.length > 0
        readonly property var entries: Model.of(control.model)

        function indexesWithout(i) {
            var indexes = []
            var current = control.selectedIndexes || []
            for (var k = 0; k < current.length; ++k) {
                if (current[k] !== i)
                    indexes.push(current[k])
            }
            return indexes
        }

        function writeSelection(indexes) {
            QmlX.writeProperty(control, "selectedIndexes", indexes, QmlX.DontRemoveBinding)
            control.accepted()
        }

        function nameAt(i) {
            var entry = entries.at(i)
            return entry ? entry[control.nameRole] : ""
        }

        function isSelected(i) {
            return (control.selectedIndexes || []).indexOf(i) !== -1
        }
    }

    background: Rectangle {
        visible: d.hasSelection
        color: control.Material.dialogColor
        radius: 4
        border.width: 1
        border.color: Dye.setColorAlpha(control.Material.frameColor, 0.1)
    }

    contentItem: Flow {
        id: flow

        spacing: 6

        Repeater {
            model: control.selectedIndexes

            Controls.Button {
                objectName: "chip" + index
                height: 26
                topInset: 0
                bottomInset: 0
                topPadding: 0
                bottomPadding: 0
                text: d.nameAt(modelData)
                // The remove mark after the name; a drawing, as the bundled fonts lack such a glyph.
                icon.source: "/Icons/chip-remove.svg"
                icon.width: 14
                icon.height: 14
                LayoutMirroring.enabled: !control.mirrored
                QQC2.ToolTip.text: qsTr("Remove %1").arg(text)
                QQC2.ToolTip.visible: hovered
                QQC2.ToolTip.delay: 500
                onClicked: control.unselect(modelData)
            }
        }

        Controls.Button {
            objectName: "selectButton"
            width: flow.width
            text: d.hasSelection ? control.selectMoreText : control.nothingSelectedPlaceholderText
            onClicked: popup.open()
        }
    }

    QQC2.Popup {
        id: popup

        objectName: "selectionPopup"
        width: control.width
        height: list.height
        padding: 0
        topMargin: 12
        bottomMargin: 12
        modal: false
        focus: true
        closePolicy: QQC2.Popup.CloseOnEscape | QQC2.Popup.CloseOnPressOutsideParent
        onOpened: list.forceActiveFocus()

        contentItem: Item {
            implicitHeight: list.height

            // Clicks and hovering between the rows must not reach what lies below.
            MouseArea {
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.AllButtons
            }

            Controls.ListView {
                id: list

                objectName: "selectionList"
                width: parent.width
                height: Math.min(400, Math.max(control.height, 28 * count))
                // A list model's count is read here so that the rows follow its changes.
                model: control.model && control.model.count !== undefined ? control.model.count
                                                                          : d.entries.size()

                delegate: Controls.CheckBox {
                    id: entryBox

                    width: list.width
                    height: 28
                    // The style's vertical padding alone is 28: it would leave the name no height.
                    topPadding: 0
                    bottomPadding: 0
                    text: d.nameAt(index)
                    checked: d.isSelected(index)
                    onToggled: entryBox.checked ? control.select(index) : control.unselect(index)
                    onClicked: list.currentIndex = index
                }

                Keys.onSpacePressed: {
                    if (currentIndex < 0)
                        return
                    if (d.isSelected(currentIndex))
                        control.unselect(currentIndex)
                    else
                        control.select(currentIndex)
                }
            }
        }
    }
}
