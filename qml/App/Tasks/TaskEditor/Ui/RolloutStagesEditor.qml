import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Controls 1.0 as Controls
import "qrc:///App/Tasks/RolloutTexts.js" as RolloutTexts

// Whether a firmware update goes to every device at once or group by group, and the rules of
// the groups: their sizes, the share that must complete before the next one and the share of
// failures that stops it all.
ColumnLayout {
    id: stages

    readonly property bool inStages: stagesButton.checked
    readonly property var sizes: RolloutTexts.parseSizes(sizesField.text)
    readonly property bool isAcceptable: !inStages || sizes !== null
    // What addRollout takes as "rollout".
    readonly property var plan: ({
        "t": 3,
        "sizes": sizes || [],
        "st": successBox.value,
        "et": errorBox.value,
        "auto": automatic.checked
    })

    function reset() {
        allButton.checked = true
        sizesField.text = "1, 10"
        successBox.value = 90
        errorBox.value = 10
        automatic.checked = true
    }

    RowLayout {
        RadioButton {
            id: allButton
            objectName: "rolloutAllAtOnce"
            text: qsTr("All at once")
            checked: true
        }
        RadioButton {
            id: stagesButton
            objectName: "rolloutInStages"
            text: qsTr("In stages")
        }
    }

    GridLayout {
        Layout.fillWidth: true
        columns: 2
        visible: stages.inStages

        Controls.Label {
            text: qsTr("Group sizes (%)")
        }
        Controls.TextField {
            id: sizesField
            objectName: "rolloutSizes"
            Layout.fillWidth: true
            text: "1, 10"
        }
        Controls.Label {
            Layout.columnSpan: 2
            Layout.fillWidth: true
            objectName: "rolloutSizesHint"
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: stages.sizes === null ? "red" : palette.text
            text: stages.sizes === null ? qsTr("Enter up to 9 whole percentages, e.g. 1, 10.")
                                        : qsTr("The last group takes the rest.")
        }
        Controls.Label {
            text: qsTr("Next group at % completed")
        }
        SpinBox {
            id: successBox
            objectName: "rolloutSuccessThreshold"
            from: 1
            to: 100
            value: 90
            editable: true
        }
        Controls.Label {
            text: qsTr("Stop at % failed")
        }
        SpinBox {
            id: errorBox
            objectName: "rolloutErrorThreshold"
            from: 1
            to: 100
            value: 10
            editable: true
        }
        Controls.CheckBox {
            id: automatic
            objectName: "rolloutAutomatic"
            Layout.columnSpan: 2
            text: qsTr("Start the next group by itself (else wait for approval)")
            checked: true
        }
    }
}
