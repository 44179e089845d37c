import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuickX 1.0
import App.Constants 1.0
import App.Controls 1.0 as Controls
import App.Controls.DateTimePicker 1.0

// When the task runs: now, or within a span inside a validity window; and how many devices it
// reaches.
Pane {
    id: editor

    // The devices the task will reach, as the service counts them for the filter.
    property real devicesCount: 0
    readonly property bool isScheduled: scheduled.checked
    readonly property date validF: validFrom.value
    readonly property date validT: validTill.value
    // The service refuses a window that ends before it starts.
    readonly property bool windowValid: validT.getTime() > validF.getTime()
    readonly property string dispersion: isScheduled ? spans[span.currentIndex].value : "00:00:10"

    readonly property var spans: [
        { "text": qsTr("1 minute"), "value": "00:01:00" },
        { "text": qsTr("30 minutes"), "value": "00:30:00" },
        { "text": qsTr("1 hour"), "value": "01:00:00" },
        { "text": qsTr("3 hours"), "value": "03:00:00" },
        { "text": qsTr("6 hours"), "value": "06:00:00" },
        { "text": qsTr("12 hours"), "value": "12:00:00" },
        { "text": qsTr("1 day"), "value": "23:59:59" }
    ]

    function init() {
        immediate.checked = true
        var now = new Date()
        validFrom.value = now
        validTill.value = DateTimeOffset.of(now).addDays(1).value
        span.currentIndex = 0
    }

    Component.onCompleted: init()

    ColumnLayout {
        anchors.fill: parent

        RowLayout {
            Image {
                source: "/Icons/device-ifp.svg"
                sourceSize: Qt.size(32, 32)
            }

            Controls.Label {
                textFormat: Text.PlainText
                objectName: "devicesCounter"
                text: Strings.mainCounterText.arg(Number(editor.devicesCount).toFixed(0))
            }
        }

        RowLayout {
            RadioButton {
                id: immediate
                objectName: "immediateButton"
                text: Strings.taskImmediate
                checked: true
                // Each switch starts the window now again.
                onToggled: validFrom.value = new Date()
            }

            RadioButton {
                id: scheduled
                objectName: "scheduledButton"
                text: Strings.taskScheduled
                onToggled: validFrom.value = new Date()
            }
        }

        Frame {
            Layout.fillWidth: true
            enabled: scheduled.checked

            GridLayout {
                anchors.fill: parent
                columns: 2

                Controls.Label { text: Strings.taskValidFrom }
                DateTimePicker {
                    id: validFrom
                    objectName: "validFromPicker"
                    Layout.fillWidth: true
                }

                Controls.Label { text: Strings.taskValidTill }
                DateTimePicker {
                    id: validTill
                    objectName: "validTillPicker"
                    Layout.fillWidth: true
                }

                Controls.Label {
                    objectName: "validityWindowError"
                    textFormat: Text.PlainText
                    Layout.columnSpan: 2
                    Layout.fillWidth: true
                    visible: !editor.windowValid
                    text: qsTr("\"Valid till\" must be later than \"Valid from\".")
                    color: "#a00000"
                    wrapMode: Text.Wrap
                }

                Controls.Label { text: Strings.taskExecuteWithin }
                ComboBox {
                    id: span
                    objectName: "spanCombo"
                    Layout.fillWidth: true
                    model: editor.spans
                    textRole: "text"
                }
            }
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
