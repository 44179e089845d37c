import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Ostrel 1.0
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.Tasks 1.0
import "qrc:///App/Tickets/TaskTexts.js" as TaskTexts

// The criteria of the task list: statuses, types and sublocations.
Pane {
    id: editor

    property TaskFilter filter: null

    function __toggled(listName, value, checked) {
        var values = (filter[listName] || []).filter(function (v) { return v !== value })
        if (checked)
            values.push(value)
        filter[listName] = values
    }

    ColumnLayout {
        anchors.fill: parent

        Controls.Button {
            objectName: "clearTaskFilters"
            Layout.fillWidth: true
            icon.source: "/Icons/clear-filter.svg"
            text: Strings.clearFilters
            onClicked: editor.filter.reset()
        }

        Repeater {
            model: [
                { "title": Strings.status, "list": "statuses", "name": "TasksStatus",
                  "values": [Tasks.Pending, Tasks.Running, Tasks.Completed, Tasks.Canceled, Tasks.Failed] },
                { "title": Strings.type, "list": "types", "name": "TasksType",
                  "values": [Tasks.ShowMessage, Tasks.SoftwareUpdate, Tasks.FirmwareUpdate] }
            ]

            ColumnLayout {
                readonly property var group: modelData

                Controls.Label {
                    textFormat: Text.PlainText
                    text: group.title
                    font.bold: true
                }

                Repeater {
                    model: group.values

                    Controls.CheckBox {
                        objectName: "taskFilter_" + text
                        text: group.list === "statuses" ? TaskTexts.statusName(modelData)
                                                        : TaskTexts.typeName(modelData)
                        checked: !!editor.filter && (editor.filter[group.list] || []).indexOf(modelData) >= 0
                        onToggled: editor.__toggled(group.list, modelData, checked)
                    }
                }
            }
        }

        Controls.CheckBox {
            objectName: "taskFilterSublocations"
            text: Strings.showSublocations
            checked: !!editor.filter && editor.filter.includeServants
            onToggled: editor.filter.includeServants = checked
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
