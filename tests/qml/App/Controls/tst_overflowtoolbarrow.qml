import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtTest 1.15
import App.Controls 1.0

Item {
    id: root

    width: 600
    height: 200

    property int refreshed: 0
    property bool filterShown: false

    OverflowToolBarRow {
        id: bar
        name: "toolBar"
        height: 48
        availableWidth: 600
    }

    // A screen's row, as a screen puts it into the tool bar: fixed widths make the arithmetic plain.
    Row {
        id: screenRow
        parent: bar.row
        height: parent.height

        QQC2.ToolButton { objectName: "addButton"; text: "Add"; width: 100 }
        QQC2.ToolButton { objectName: "editButton"; text: "Edit"; width: 100; enabled: false }
        Item {
            width: 100
            height: 40
            QQC2.ToolButton { objectName: "heldButton"; text: "Held"; anchors.fill: parent }
        }
        QQC2.ToolButton {
            objectName: "filterButton"
            text: "Filter"
            width: 100
            checkable: true
            checked: root.filterShown
            onToggled: root.filterShown = checked
        }
        QQC2.ToolButton { objectName: "refreshButton"; text: "Refresh"; width: 100; onClicked: root.refreshed++ }
    }

    TestCase {
        name: "OverflowToolBarRow"
        when: windowShown

        function names(items) {
            return items.map(function (item) { return item.objectName })
        }

        function menuItem(name) {
            return findChild(findChild(bar, "toolBarOverflowMenu"), name + "MenuItem")
        }

        function test_overflow() {
            // Everything fits: no "…".
            tryCompare(bar, "implicitWidth", 500)
            compare(bar.overflowed.length, 0)
            var more = findChild(bar, "toolBarOverflow")
            verify(!more.visible)

            // Short of room, the last buttons go to the menu and the "…" sits after the others,
            // inside the room given.
            bar.availableWidth = 250 + more.implicitWidth
            tryVerify(function () { return bar.overflowed.length === 3 })
            compare(names(bar.overflowed), ["heldButton", "filterButton", "refreshButton"])
            verify(more.visible)
            verify(more.x + more.width <= bar.availableWidth)
            compare(bar.implicitWidth, 200 + more.implicitWidth)

            // The menu works the buttons themselves and follows their state.
            mouseClick(more)
            var menu = findChild(bar, "toolBarOverflowMenu")
            tryVerify(function () { return menu.opened })
            menuItem("refreshButton").triggered()
            compare(root.refreshed, 1)
            menuItem("filterButton").triggered()
            verify(root.filterShown)
            verify(menuItem("filterButton").checked)

            bar.availableWidth = 150 + more.implicitWidth
            compare(names(bar.overflowed), ["editButton", "heldButton", "filterButton", "refreshButton"])
            verify(!menuItem("editButton").enabled)
            bar.availableWidth = 600
            compare(bar.overflowed.length, 0)
            menu.close()
        }
    }
}
