import QtQuick 2.15
import QtTest 1.2
import QtQuickX 1.0

TestCase {
    id: testCase
    name: "TextController"
    when: windowShown
    width: 300
    height: 200

    TextEdit {
        id: edit
        width: 300
        height: 100
        focus: true
        textFormat: TextEdit.RichText
    }

    TextController {
        id: controller
        target: edit
        cursorPosition: edit.cursorPosition
        selectionStart: edit.selectionStart
        selectionEnd: edit.selectionEnd
    }

    function init() {
        controller.clearDocument()
        controller.styleWholeDocument = false
        edit.forceActiveFocus()
    }

    function test_emptyDocumentStyleReachesTypedText() {
        controller.fontSize = 24
        verify(controller.defaultStyleSheet.indexOf("font-size: 24px;") > 0)
        keyClick(Qt.Key_A)
        keyClick(Qt.Key_B)
        compare(controller.plainText(), "ab")
        compare(controller.fontSize, 24)
    }

    function test_selectionFollowsTheEditor() {
        controller.insertText("hello world")
        edit.select(0, 5)
        compare(controller.selectionEnd, 5)
        controller.bold = true
        edit.cursorPosition = 3
        verify(controller.bold)
        edit.cursorPosition = 9
        verify(!controller.bold)
        verify(controller.canUndo)
        controller.undo()
        edit.cursorPosition = 3
        verify(!controller.bold)
    }
}
