import QtQuick 2.15
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.Tasks.TaskEditor 1.0
import "qrc:///App/Tasks/TaskEditor/TaskDataTexts.js" as TaskDataTexts

// Switches power management off; the commit sends it as an auto power on and an auto power
// off task.
TaskDataEditorUi {
    // The time the editor was shown.
    property date __createdAt: new Date()

    value: TaskDataTexts.disablePowerManagement(__createdAt, Qt.locale())
    isAcceptable: true

    onResetRequested: __createdAt = new Date()

    Controls.Label {
        anchors.fill: parent
        text: Strings.disablePowerManagementText
        wrapMode: Text.Wrap
        color: "#991818"
    }
}
