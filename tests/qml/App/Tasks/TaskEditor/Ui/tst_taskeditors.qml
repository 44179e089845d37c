import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import App.Tasks.TaskEditor.Ui 1.0

Item {
    id: root
    width: 900
    height: 600

    Component {
        id: generalComponent
        TaskGeneralEditor { anchors.fill: parent }
    }

    Component {
        id: messageComponent
        RichMessageDataEditor { anchors.fill: parent }
    }

    Component {
        id: powerComponent
        PowerManagementDataEditor { anchors.fill: parent }
    }

    Component {
        id: textComponent
        SimpleTextDataEditor { anchors.fill: parent }
    }

    TestCase {
        name: "TaskEditors"
        when: windowShown

        function test_schedulingRestartsTheWindow() {
            var editor = createTemporaryObject(generalComponent, root)
            verify(!editor.isScheduled)
            compare(editor.dispersion, "00:00:10")
            // A day long from now.
            fuzzyCompare(editor.validT.getTime() - editor.validF.getTime(), 24 * 3600 * 1000, 1000)
            var scheduled = findChild(editor, "scheduledButton")
            var immediate = findChild(editor, "immediateButton")
            var from = findChild(editor, "validFromPicker")
            var till = editor.validT
            from.value = new Date(2020, 0, 1, 8, 0)
            mouseClick(scheduled)
            verify(editor.isScheduled)
            verify(Math.abs(editor.validF.getTime() - Date.now()) < 5000)
            compare(editor.dispersion, "00:01:00")
            findChild(editor, "spanCombo").currentIndex = 6
            compare(editor.dispersion, "23:59:59")
            from.value = new Date(2020, 0, 1, 8, 0)
            mouseClick(immediate)
            verify(Math.abs(editor.validF.getTime() - Date.now()) < 5000)
            compare(editor.validT, till)
            compare(editor.dispersion, "00:00:10")
        }

        function test_messageWithOnlyAPicture() {
            var editor = createTemporaryObject(messageComponent, root)
            verify(!editor.isAcceptable)
            findChild(editor, "imageUrl").text = "http://pictures.example.com/drill.png"
            verify(editor.isAcceptable)
            compare(editor.value, '{"message":"","image":{"src":"http://pictures.example.com/drill.png"}}')
            editor.resetRequested()
            compare(findChild(editor, "imageUrl").text, "")
            verify(!editor.isAcceptable)
        }

        function test_powerManagementNamesItsType() {
            var editor = createTemporaryObject(powerComponent, root, { "type": Tasks.AutoPowerOn })
            compare(editor.taskTypeString, "Auto power on")
            editor.type = Tasks.AutoPowerOff
            compare(editor.taskTypeString, "Auto power off")
            editor.eventTime = new Date(2021, 0, 1, 7, 30, 0)
            compare(JSON.parse(editor.value), { "t": "07:30:00.000", "p": ["Everyday"] })
        }

        function test_simpleText() {
            var editor = createTemporaryObject(textComponent, root, { "type": Tasks.ShellScript })
            verify(!editor.isAcceptable)
            findChild(editor, "simpleText").text = "reboot"
            verify(editor.isAcceptable)
            compare(editor.value, '{"cmd":"reboot"}')
            editor.type = Tasks.ShowMessage
            compare(editor.value, '{"message":"reboot"}')
        }
    }
}
