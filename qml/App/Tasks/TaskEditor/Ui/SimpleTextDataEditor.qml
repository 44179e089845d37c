import QtQuick 2.15
import QtQuick.Controls 2.15
import Ostrel 1.0
import App.Tasks.TaskEditor 1.0
import "qrc:///App/Tasks/TaskEditor/TaskDataTexts.js" as TaskDataTexts

// One text: a message, or the data of a task given as it is.
TaskDataEditorUi {
    id: editor

    value: TaskDataTexts.simpleText(type, textArea.text)
    isAcceptable: textArea.text !== ""

    onResetRequested: textArea.clear()
    onVisibleChanged: if (visible) textArea.forceActiveFocus()

    ScrollView {
        anchors.fill: parent

        TextArea {
            id: textArea
            objectName: "simpleText"
            wrapMode: TextEdit.Wrap
            textFormat: TextEdit.PlainText
            selectByMouse: true
            placeholderText: editor.type === Tasks.ShowMessage ? qsTr("Enter message text here...")
                                                                : qsTr("Enter task execution data here...")
        }
    }
}
