import QtQuick 2.15
import QtTest 1.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15
import QtQuickX 1.0
import App.Controls 1.0 as Controls

Item {
    id: root

    width: 300
    height: 400

    property var entities: []
    property int boundIndex: 1
    property var values: [0, null, "", "text"]

    Component {
        id: entityComponent
        QtObject {
            property var idd
            property string name
            property int rank
        }
    }

    function makeEntities(rows) {
        return rows.map(function (row) {
            return entityComponent.createObject(root, { idd: row[0], name: row[1], rank: row[2] || 0 })
        })
    }

    Controls.ListView {
        id: list

        width: 300
        height: 200
        model: root.entities
        delegate: Controls.ListViewItem {
            text: mData ? mData.name : ""
        }
    }

    Controls.ListView {
        id: valuesList

        property var emptyPositions: []
        property var editRequests: []

        y: 200
        width: 300
        height: 200
        model: root.values
        currentIndex: root.boundIndex
        delegate: Controls.ListViewItem {
            text: String(modelData)
            onEmptyFound: valuesList.emptyPositions.push(position)
            onEditEntityRequested: valuesList.editRequests.push(index)
        }
    }

    ListModel {
        id: listModel
        ListElement { idd: 2; name: "b" }
        ListElement { idd: 1; name: "a" }
    }

    TestCase {
        name: "ListView"
        when: windowShown

        function init() {
            list.lastSelectedEntityId = null
            list.neverShowSelection = false
            list.alwaysShowSelection = true
            root.entities = makeEntities([[1, "one"], [2, "two"], [3, "three"]])
        }

        function names() {
            return list.model.map(function (entity) { return entity.name })
        }

        function test_choiceIsRememberedAcrossReloads() {
            list.currentIndex = 2
            compare(list.lastSelectedEntityId, 3)
            root.entities = makeEntities([[10, "ten"], [3, "three"], [1, "one"]])
            compare(list.currentIndex, 1)
            compare(list.lastSelectedEntityId, 3)
        }

        function test_idsCompareLoosely() {
            list.lastSelectedEntityId = "2"
            root.entities = makeEntities([[3, "three"], [2, "two"]])
            compare(list.currentIndex, 1)
        }

        function test_vanishedEntitySelectsFirstRow() {
            list.currentIndex = 2
            list.currentIndex = 1
            root.entities = makeEntities([[7, "seven"], [8, "eight"]])
            compare(list.currentIndex, 0)
        }

        function test_firstRowIsNotRemembered() {
            list.currentIndex = 2
            list.currentIndex = 0
            compare(list.lastSelectedEntityId, 3)
            root.entities = makeEntities([[3, "three"], [4, "four"], [1, "one"]])
            compare(list.currentIndex, 0)
            root.entities = makeEntities([[1, "one"], [4, "four"], [3, "three"]])
            compare(list.currentIndex, 2)
        }

        function test_screenChoosesTheEntityToSelect() {
            list.lastSelectedEntityId = 5
            root.entities = makeEntities([[1, "one"], [2, "two"], [5, "new"]])
            compare(list.currentIndex, 2)
        }

        function test_sort_data() {
            return [
                { tag: "ascending", descending: false, key: "name", expected: ["b", "c", "d", "e"] },
                { tag: "descending", descending: true, key: "name", expected: ["e", "d", "c", "b"] },
                // Equal ranks keep the order they had.
                { tag: "ties ascending", descending: false, key: "rank", expected: ["d", "b", "e", "c"] },
                { tag: "ties descending", descending: true, key: "rank", expected: ["e", "c", "d", "b"] }
            ]
        }

        function test_sort(data) {
            root.entities = makeEntities([[1, "d", 1], [2, "b", 1], [3, "e", 2], [4, "c", 2]])
            list.currentIndex = 2
            list.sort(data.descending, data.key)
            compare(names(), data.expected)
            // The entity that was current stays current.
            compare(list.model[list.currentIndex].idd, 3)
            compare(list.lastSelectedEntityId, 3)
        }

        function test_sortKeepsTheModelBinding() {
            list.sort(true, "name")
            compare(names(), ["two", "three", "one"])
            verify(QtX.isPropertyBinded(list, "model"))
            root.entities = makeEntities([[9, "nine"]])
            compare(names(), ["nine"])
        }

        function test_sortLeavesListModelsAlone() {
            list.model = listModel
            list.sort(false, "name")
            compare(list.model, listModel)
            compare(listModel.get(0).name, "b")
            list.model = Qt.binding(function () { return root.entities })
        }

        function test_highlightVisibility() {
            verify(list.isHighlightVisible)
            list.alwaysShowSelection = false
            verify(!list.isHighlightVisible)
            list.forceActiveFocus()
            verify(list.isHighlightVisible)
            list.neverShowSelection = true
            verify(!list.isHighlightVisible)
            list.focus = false
        }

        function test_currentRowForeground() {
            list.currentIndex = 1
            var current = list.itemAtIndex(1)
            var other = list.itemAtIndex(2)
            verify(Qt.colorEqual(current.Material.foreground, current.palette.highlightedText))
            verify(Qt.colorEqual(other.Material.foreground, other.palette.windowText))
            list.neverShowSelection = true
            verify(Qt.colorEqual(current.Material.foreground, current.palette.windowText))
        }

        function test_busyIndicatorAndScrollBar() {
            var busy = null
            for (var i = 0; i < list.children.length; ++i) {
                if (list.children[i].running !== undefined)
                    busy = list.children[i]
            }
            verify(busy)
            verify(!busy.visible)
            // A quick load shows no indicator; one that lasts does, until it ends.
            list.isDataLoading = true
            verify(!busy.visible)
            tryVerify(function () { return busy.running && busy.visible }, 2000)
            list.isDataLoading = false
            verify(!busy.visible)

            compare(list.ScrollBar.vertical.policy, ScrollBar.AlwaysOff)
            root.entities = makeEntities([[1, "a"], [2, "b"], [3, "c"], [4, "d"], [5, "e"], [6, "f"]])
            tryCompare(list.ScrollBar.vertical, "policy", ScrollBar.AlwaysOn)
        }

        function test_itemsOfPlainValues() {
            var expected = [true, false, false, true]
            for (var i = 0; i < expected.length; ++i)
                compare(valuesList.itemAtIndex(i).enabled, expected[i], "row " + i)
            compare(valuesList.emptyPositions.sort(), [1, 2])
        }

        function test_itemMakesItselfCurrentKeepingTheBinding() {
            var row = valuesList.itemAtIndex(3)
            mouseClick(row)
            compare(valuesList.currentIndex, 3)
            verify(QtX.isPropertyBinded(valuesList, "currentIndex"))
            root.boundIndex = 0
            compare(valuesList.currentIndex, 0)
        }

        function test_doubleClickAsksForEditing() {
            valuesList.editRequests = []
            mouseDoubleClickSequence(valuesList.itemAtIndex(3))
            compare(valuesList.editRequests, [3])
        }
    }
}
