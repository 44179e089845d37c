import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuick.Layouts 1.15
import App.Controls 1.0

// "All", "On", "Off" for a criterion that is undefined, true or false.
ColumnLayout {
    id: choice

    property string title: ""
    property var value: undefined

    signal chosen(var value)

    spacing: 0

    Label {
        text: choice.title
    }

    RowLayout {
        Repeater {
            model: [
                { "name": "all", "text": qsTr("All"), "value": undefined },
                { "name": "on", "text": qsTr("On"), "value": true },
                { "name": "off", "text": qsTr("Off"), "value": false }
            ]
            delegate: QQC2.RadioButton {
                objectName: choice.objectName + "_" + modelData.name
                text: modelData.text
                checked: choice.value === modelData.value
                onToggled: {
                    if (checked)
                        choice.chosen(modelData.value)
                }
            }
        }
    }
}
