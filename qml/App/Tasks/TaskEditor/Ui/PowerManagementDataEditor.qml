import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Ostrel 1.0
import App.Constants 1.0
import App.Controls.DateTimePicker 1.0
import App.Tasks.TaskEditor 1.0
import "qrc:///App/Tasks/TaskEditor/TaskDataTexts.js" as TaskDataTexts

// The time and days on which the devices switch themselves on or off.
TaskDataEditorUi {
    id: editor

    property date eventTime: new Date()
    property string period: "Everyday"

    taskTypeString: type === Tasks.AutoPowerOn ? qsTr("Auto power on") : qsTr("Auto power off")
    value: TaskDataTexts.powerManagement(eventTime, period, Qt.locale())
    isAcceptable: true

    onResetRequested: {
        eventTime = new Date()
        period = "Everyday"
    }

    ColumnLayout {
        anchors.fill: parent

        GroupBox {
            Layout.fillWidth: true
            title: qsTr("%1 event time").arg(editor.taskTypeString)

            TimePicker {
                objectName: "eventTimePicker"
                value: editor.eventTime
                onValueChanged: editor.eventTime = value
            }
        }

        GroupBox {
            Layout.fillWidth: true
            title: Strings.eventPeriod

            // Written out one by one: a button of Qt Quick Controls may only show fixed words.
            RowLayout {
                RadioButton {
                    text: "Everyday"
                    checked: editor.period === "Everyday"
                    onClicked: editor.period = "Everyday"
                }

                RadioButton {
                    text: "Mon2Fri"
                    checked: editor.period === "Mon2Fri"
                    onClicked: editor.period = "Mon2Fri"
                }
            }
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
