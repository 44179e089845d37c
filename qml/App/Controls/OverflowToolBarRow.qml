import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// A tool-bar row that shows the buttons fitting into availableWidth and offers the others in a
// "…" menu. Screens put their own rows of buttons into `row`; the buttons stay theirs, so their
// bindings (enabled, checked, visible) keep working: the ones that do not fit are only clipped
// away and clicked through the menu.
Item {
    id: bar
    objectName: name + "Line"

    property real availableWidth: 0
    // Names the row (the screens' host); with "Line" added, the bar; with "Overflow", its "…".
    property string name: ""
    readonly property alias row: row
    readonly property var overflowed: __fit.overflowed
    readonly property var __fit: __layout()

    // Buttons of a screen's row, in order, with their right edge in the row; a holder without
    // a control of its own (a button in a hover area) counts as a part of the row.
    function __entries(item, offset, entries) {
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i]
            if (!child.visible || child.width <= 0)
                continue
            if (child.contentItem === undefined && child.children.length > 0)
                __entries(child, offset + child.x, entries)
            else
                entries.push({ "item": child, "right": offset + child.x + child.width })
        }
        return entries
    }

    function __layout() {
        var entries = []
        for (var i = 0; i < row.children.length; ++i) {
            var group = row.children[i]
            if (group.visible)
                __entries(group, group.x, entries)
        }
        var widest = entries.length > 0 ? entries[entries.length - 1].right : 0
        var room = widest <= availableWidth ? availableWidth : availableWidth - overflowButton.implicitWidth
        var fitted = 0
        var overflowed = []
        entries.forEach(function (entry) {
            if (entry.right <= room && overflowed.length === 0)
                fitted = entry.right
            else
                overflowed.push(entry.item)
        })
        return { "fitted": fitted, "overflowed": overflowed }
    }

    function __isButton(item) {
        return item.checkable !== undefined && typeof item.clicked === "function"
    }

    implicitWidth: __fit.fitted + (overflowButton.visible ? overflowButton.implicitWidth : 0)
    implicitHeight: Math.max(row.implicitHeight, overflowButton.implicitHeight)

    Item {
        id: view

        width: bar.__fit.fitted
        height: bar.height
        clip: true

        Row {
            id: row
            objectName: bar.name
            height: parent.height
        }
    }

    QQC2.ToolButton {
        id: overflowButton
        objectName: bar.name + "Overflow"

        x: view.width
        height: bar.height
        text: "…"
        visible: bar.overflowed.length > 0
        onClicked: menu.open()

        QQC2.ToolTip.text: qsTr("More actions")
        QQC2.ToolTip.visible: hovered && !menu.visible
        QQC2.ToolTip.delay: 500

        QQC2.Menu {
            id: menu
            objectName: bar.name + "OverflowMenu"
            y: overflowButton.height

            Instantiator {
                model: bar.overflowed.filter(bar.__isButton)
                delegate: QQC2.MenuItem {
                    readonly property var button: modelData
                    objectName: button.objectName ? button.objectName + "MenuItem" : ""
                    text: button.text
                    icon.source: button.icon ? button.icon.source : ""
                    enabled: button.enabled
                    checkable: button.checkable
                    checked: button.checked
                    onTriggered: {
                        if (button.checkable) {
                            button.toggle()
                            button.toggled()
                        }
                        button.clicked()
                    }
                }
                onObjectAdded: menu.insertItem(index, object)
                onObjectRemoved: menu.removeItem(object)
            }
        }
    }
}
