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
        }

        ComboBox {
            id: types
            objectName: "taskTypeCombo"
            flat: true
            model: header.handler ? header.handler.dataEditorsModel : []
            textRole: "text"
            currentIndex: header.handler ? header.handler.currentDataEditorIndex : 0
            onActivated: if (header.handler) header.handler.currentDataEditorIndex = index
            delegate: ItemDelegate {
                objectName: "taskType_" + index
                width: types.width
                text: modelData.text
                highlighted: types.highlightedIndex === index
            }
        }
    }
}
