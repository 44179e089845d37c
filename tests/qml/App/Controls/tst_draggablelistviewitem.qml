import QtQuick 2.15
import QtTest 1.15
import App.Controls 1.0 as Controls

Item {
    id: root

    width: 300
    height: 400

    property var drops: []
    property var moves: []

    Controls.ListView {
        id: list

        width: 300
        height: 400
        model: ["first", "second", "third", "fourth"]
        delegate: Controls.DraggableListViewItem {
            height: 48
            text: modelData
            onDroppedOn: root.drops.push([targetIndex, sourceIndex])
            onMove: root.moves.push([targetIndex, sourceIndex])
        }
    }

    TestCase {
        name: "DraggableListViewItem"
        when: windowShown

        function dragRow(from, to) {
            var source = list.itemAtIndex(from)
            var target = list.itemAtIndex(to)
            var x = source.width / 2
            var startY = source.y + source.height / 2
            var endY = target.y + target.height / 2
            mousePress(list, x, startY)
            for (var step = 1; step <= 10; ++step)
                mouseMove(list, x, startY + (endY - startY) * step / 10)
            mouseRelease(list, x, endY)
        }

        function init() {
            root.drops = []
            root.moves = []
            list.currentIndex = 0
            waitForItemPolished(list)
        }

        function test_dropReportsBothRows() {
            var source = list.itemAtIndex(1)
            dragRow(1, 3)
            compare(root.drops, [[3, 1]])
            verify(root.moves.length > 0)
            compare(root.moves[root.moves.length - 1], [3, 1])
            verify(root.moves.every(function (m) { return m[0] !== 1 }), "entered itself")
            compare(source.draggedItemIndex, 1)
            verify(!source.inDragging)
            // Pressing made the dragged row current.
            compare(list.currentIndex, 1)
        }

        function test_pressWithoutDragOnlySelects() {
            var row = list.itemAtIndex(2)
            mouseClick(row)
            compare(list.currentIndex, 2)
            compare(root.drops, [])
            compare(root.moves, [])
        }
    }
}
