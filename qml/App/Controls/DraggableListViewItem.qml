import QtQuick 2.15

// A list row that can be dragged onto another row of the same list to reorder it.
ListViewItem {
    id: item

    signal droppedOn(int targetIndex, int sourceIndex)
    signal move(int targetIndex, int sourceIndex)

    property bool inDragging: dragArea.drag.active
    property int draggedItemIndex: -1

    // The drag starts only once the row's own drop area is off, so it never enters itself.
    Drag.active: inDragging && !dropArea.enabled
    Drag.source: item
    Drag.hotSpot.x: width / 2
    Drag.hotSpot.y: height / 2

    onInDraggingChanged: {
        if (inDragging) {
            draggedItemIndex = index
            console.log("Drag::onDragStarted", index)
        }
    }

    // Only rows of this kind say which row they are.
    function sourceIndex(source) {
        return source && source.draggedItemIndex !== undefined ? source.draggedItemIndex : -1
    }

    MouseArea {
        id: dragArea

        anchors.fill: parent
        drag.target: item
        onPressed: item.makeCurrent()
        // The drag is still active here: drop it before the area ends it.
        onReleased: {
            if (item.inDragging)
                console.log("onDragFinished", item.Drag.drop())
        }
        // The area covers the row, so the row's own double click is forwarded.
        onDoubleClicked: item.editEntityRequested(index)
    }

    DropArea {
        id: dropArea

        anchors.fill: parent
        enabled: !item.inDragging
        onEntered: {
            console.log("Entered", index)
            var source = item.sourceIndex(drag.source)
            if (source !== -1)
                item.move(index, source)
        }
        onDropped: {
            console.log("Drag::Landed on:", index)
            var source = item.sourceIndex(drop.source)
            if (source === -1)
                return
            drop.accept(Qt.MoveAction)
            item.droppedOn(index, source)
        }
    }

    Rectangle {
        anchors.fill: parent
        color: dropArea.containsDrag ? palette.dark : (item.inDragging ? palette.base : "transparent")
        border.color: palette.dark
        border.width: dropArea.containsDrag || item.inDragging ? 1 : 0
    }

    states: State {
        when: item.inDragging

        ParentChange {
            target: item
            parent: item.listView
        }
        AnchorChanges {
            target: item
            anchors.horizontalCenter: undefined
            anchors.verticalCenter: undefined
        }
    }
}
