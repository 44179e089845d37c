import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0 as Controls
import App.Tasks 1.0

// The dialog's title and the choice of the task's type.
Pane {
    id: header

    property string title: ""
    property var handler: TasksDictionary.tasksHandler

    RowLayout {
        anchors.fill: parent

        Controls.Label {
            textFormat: Text.PlainText
            Layout.fillWidth: true
            text: header.title
            font.bold: true
            font.pixelSize: 16
            elide: Text.ElideRight
        }

        ComboBox {
            id: types
            objectName: "taskTypeCombo"
            flat: true
            model: header.handler ? header.handler.dataEditorsModel : []
            textRole: "text"
            // Wide enough for the longest type name offered, not only the one shown, in the box
            // and in its list (whose rows are padded by 16 on each side).
            Layout.preferredWidth: Math.ceil(Math.max.apply(null, (header.handler ? header.handler.dataEditorsModel : [])
                                                            .map(function (row) { return typeMetrics.advanceWidth(row.text) })
                                                            .concat([0])))
                                   + 2 * 16 + rightPadding
            currentIndex: header.handler ? header.handler.currentDataEditorIndex : 0
            onActivated: if (header.handler) header.handler.currentDataEditorIndex = index

            FontMetrics {
                id: typeMetrics
                font: types.font
            }

            delegate: ItemDelegate {
                objectName: "taskType_" + index
                width: types.width
                text: modelData.text
                highlighted: types.highlightedIndex === index
            }
        }
    }
}
