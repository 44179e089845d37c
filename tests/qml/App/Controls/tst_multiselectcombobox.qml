import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import QtQuickX 1.0
import App.Controls 1.0

Item {
    id: root

    // Shortcuts such as Escape and Enter reach only the active window, and tests that run side by
    // side on one display take the focus from each other.
    readonly property bool windowActive: Window.active
    readonly property var ownWindow: Window.window

    width: 400
    height: 600

    property var chosen: [2]

    MultiSelectComboBox {
        id: combo

        width: 300
        model: [{ name: "Alpha" }, { name: "Bravo" }, { name: "Charlie" }, { name: "Delta" }]
        selectedIndexes: root.chosen
    }

    ListModel {
        id: listModel
        ListElement { title: "First" }
        ListElement { title: "Second" }
    }

    SignalSpy {
        id: acceptedSpy
        target: combo
        signalName: "accepted"
    }

    TestCase {
        name: "MultiSelectComboBox"
        when: windowShown

        function pressKey(key) {
            activateWindow()
            keyClick(key)
        }

        function activateWindow() {
            tryVerify(function () {
                if (!root.windowActive)
                    root.ownWindow.requestActivate()
                return root.windowActive
            }, 5000, "the window is not active")
        }

        function init() {
            activateWindow()
            combo.model = [{ name: "Alpha" }, { name: "Bravo" }, { name: "Charlie" }, { name: "Delta" }]
            combo.nameRole = "name"
            root.chosen = []
            root.chosen = [2]
            acceptedSpy.clear()
        }

        function cleanup() {
            var popup = findChild(combo, "selectionPopup")
            popup.close()
            tryCompare(popup, "visible", false)
        }

        function chipTexts() {
            var texts = []
            for (var i = 0; i < combo.selectedIndexes.length; ++i) {
                var chip = findChild(combo.contentItem, "chip" + i)
                texts.push(chip.text)
            }
            return texts
        }

        function test_selectAppendsAndMoves_data() {
            return [
                { tag: "new entry", calls: [["select", 0]], expected: [2, 0] },
                { tag: "selected again moves last", calls: [["select", 0], ["select", 2]], expected: [0, 2] },
                { tag: "unselect", calls: [["select", 1], ["unselect", 2]], expected: [1] },
                { tag: "unselect missing", calls: [["unselect", 3]], expected: [2] }
            ]
        }

        function test_selectAppendsAndMoves(data) {
            data.calls.forEach(function (call) { combo[call[0]](call[1]) })
            compare(combo.selectedIndexes, data.expected)
            compare(acceptedSpy.count, data.calls.length)
            // The caller's binding survives the writes.
            verify(QtX.isPropertyBinded(combo, "selectedIndexes"))
            root.chosen = [3]
            compare(combo.selectedIndexes, [3])
        }

        function test_chipsFollowTheSelectionOrder() {
            combo.select(0)
            combo.select(3)
            compare(chipTexts(), ["Charlie", "Alpha", "Delta"])
            var chip = findChild(combo.contentItem, "chip1")
            waitForItemPolished(combo.contentItem)
            mouseClick(chip)
            compare(combo.selectedIndexes, [2, 3])
            compare(chipTexts(), ["Charlie", "Delta"])
        }

        function test_buttonTextAndPadding() {
            var button = findChild(combo.contentItem, "selectButton")
            compare(button.text, "Select more…")
            compare(combo.topPadding, 6)
            compare(combo.bottomPadding, 2)
            combo.unselect(2)
            compare(button.text, "Select…")
            compare(combo.topPadding, 0)
            compare(combo.bottomPadding, 0)
        }

        function test_listModelEntries() {
            combo.model = listModel
            combo.nameRole = "title"
            combo.select(1)
            compare(chipTexts(), ["", "Second"])
        }

        function test_popupListHeight_data() {
            return [
                { tag: "few entries", count: 2, height: Math.max(combo.height, 56) },
                { tag: "some entries", count: 8, height: 224 },
                { tag: "many entries", count: 30, height: 400 }
            ]
        }

        function test_popupListHeight(data) {
            var entries = []
            for (var i = 0; i < data.count; ++i)
                entries.push({ name: "Entry " + i })
            combo.model = entries
            var popup = findChild(combo, "selectionPopup")
            popup.open()
            tryCompare(popup, "opened", true)
            compare(findChild(popup.contentItem, "selectionList").height, data.height)
        }

        function test_popupTogglesEntries() {
            var button = findChild(combo.contentItem, "selectButton")
            mouseClick(button)
            var popup = findChild(combo, "selectionPopup")
            tryCompare(popup, "opened", true)
            var list = findChild(popup.contentItem, "selectionList")
            tryCompare(list, "activeFocus", true)
            compare(list.count, 4)
            compare(list.itemAtIndex(2).checked, true)
            // Each row has room for its name, not only for its box.
            var name = list.itemAtIndex(1).contentItem
            compare(name.text, "Bravo")
            verify(name.height >= name.implicitHeight, name.height + " < " + name.implicitHeight)

            mouseClick(list.itemAtIndex(1))
            compare(combo.selectedIndexes, [2, 1])
            compare(acceptedSpy.count, 1)

            list.forceActiveFocus()
            list.currentIndex = 2
            pressKey(Qt.Key_Space)
            compare(combo.selectedIndexes, [1])
            compare(list.itemAtIndex(2).checked, false)

            pressKey(Qt.Key_Escape)
            tryCompare(popup, "visible", false)
        }
    }
}
