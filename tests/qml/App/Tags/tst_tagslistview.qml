import QtQuick 2.15
import QtTest 1.15
import App.Tags 1.0
import App.Tags.Ui 1.0

Item {
    id: root
    width: 400
    height: 600

    TestCase {
        id: testCase
        name: "TagsListView"
        when: windowShown

        // Tags of an offline manager: no service needed.
        readonly property var tagRows: [
            { "idd": 300, "parentId": 0, "name": "Infrastructure" },
            { "idd": 320, "parentId": 300, "name": "Green Campus" },
            { "idd": 310, "parentId": 300, "name": "Blue Campus" },
            { "idd": 311, "parentId": 310, "name": "Floor 1" },
            { "idd": 312, "parentId": 310, "name": "Floor 2" },
            { "idd": 10, "parentId": 0, "name": "Screen Size" },
            { "idd": 999, "parentId": 77, "name": "Orphan" },
            { "idd": 1, "parentId": 2, "name": "Loop A" },
            { "idd": 2, "parentId": 1, "name": "Loop B" }
        ]

        Component {
            id: managerComponent
            TagsManager {
                mockup: true
            }
        }

        Component {
            id: viewComponent
            TagsListView {
                width: 400
                height: 600
            }
        }

        function createView(properties) {
            var manager = createTemporaryObject(managerComponent, testCase, { "mockupTags": tagRows })
            var props = properties || {}
            props.manager = manager
            var view = createTemporaryObject(viewComponent, root, props)
            verify(view)
            return view
        }

        function test_rowsFollowTheTree() {
            var view = createView()
            var rows = view.orderedTagsTree
            compare(rows.length, tagRows.length)
            var order = rows.map(function (row) { return row.tag.name })
            // Each tag right after its parent, siblings by name; an orphan is a root.
            verify(order.indexOf("Blue Campus") === order.indexOf("Infrastructure") + 1)
            verify(order.indexOf("Floor 1") === order.indexOf("Blue Campus") + 1)
            verify(order.indexOf("Floor 2") === order.indexOf("Floor 1") + 1)
            verify(order.indexOf("Green Campus") === order.indexOf("Floor 2") + 1)
            verify(order.indexOf("Orphan") < order.indexOf("Screen Size"))
            var depth = {}
            rows.forEach(function (row) { depth[row.idd] = row.intent })
            compare(depth[300], 0)
            compare(depth[311], 2)
            compare(depth[999], 0)
            // A loop of parents still lists both tags, once each.
            compare(rows.filter(function (row) { return row.idd === 1 || row.idd === 2 }).length, 2)
            compare(view.manager.tagIntent(view.tagsIndex[1]), 1)
        }

        // A parent chain as deep as the list: one row each, in chain order; a selection at the
        // bottom ticks all of it and clearing the top clears all of it.
        function test_deepChain() {
            var chain = []
            for (var i = 1; i <= 10000; ++i)
                chain.push({ "idd": i, "parentId": i - 1, "name": "Tag " + i })
            var manager = createTemporaryObject(managerComponent, testCase, { "mockupTags": chain })
            var view = createTemporaryObject(viewComponent, root, { "manager": manager, "selectedTagIds": [] })
            var rows = view.orderedTagsTree
            compare(rows.length, 10000)
            compare(rows[9999].idd, 10000)
            compare(rows[9999].intent, 9999)
            compare(manager.tagIntent(view.tagsIndex[10000]), 9999)
            view.setTagIdIsSelected(10000, true)
            compare(view.selectedTagIds.length, 10000)
            view.setTagIdIsSelected(1, false)
            compare(view.selectedTagIds, [])
        }

        function test_noCheckBoxesWithoutSelection() {
            var view = createView()
            waitForRendering(view)
            var row = findChild(view, "tagRow_311")
            verify(row)
            verify(!findChild(row, "tagCheckBox"))
            view.setTagIdIsSelected(311, true)
            compare(view.selectedTagIds, undefined)
        }

        function test_selectionFollowsTheTree() {
            var view = createView({ "selectedTagIds": [10] })
            view.setTagIdIsSelected(311, true)
            compare(view.selectedTagIds.slice().sort(), [10, 300, 310, 311].sort())
            view.setTagIdIsSelected(312, true)
            view.setTagIdIsSelected(320, true)
            // Unticking the campus unticks its floors, not its parent or siblings.
            view.setTagIdIsSelected(310, false)
            compare(view.selectedTagIds.slice().sort(), [10, 300, 320].sort())
            view.setTagIdIsSelected(300, false)
            compare(view.selectedTagIds, [10])
        }

        function test_selectionWithoutTheTree() {
            var view = createView({ "selectedTagIds": [], "autoSelectTagIds": false })
            view.setTagIdIsSelected(311, true)
            compare(view.selectedTagIds, [311])
            view.setTagIdIsSelected(300, true)
            view.setTagIdIsSelected(300, false)
            compare(view.selectedTagIds, [311])
        }

        function test_unchangedSelectionIsNotRewritten() {
            var view = createView({ "selectedTagIds": [300, 310] })
            var before = view.selectedTagIds
            view.setTagIdIsSelected(310, true)
            verify(view.selectedTagIds === before)
            view.setTagIdIsSelected(320, false)
            verify(view.selectedTagIds === before)
        }

        function test_checkBoxTicksAndMakesCurrent() {
            var view = createView({ "selectedTagIds": [] })
            waitForRendering(view)
            var row = findChild(view, "tagRow_311")
            var box = findChild(row, "tagCheckBox")
            verify(box.visible)
            mouseClick(box)
            compare(view.selectedTagIds.slice().sort(), [300, 310, 311].sort())
            compare(view.selectedEntity.idd, 311)
            verify(findChild(findChild(view, "tagRow_310"), "tagCheckBox").checked)
            mouseClick(findChild(findChild(view, "tagRow_300"), "tagCheckBox"))
            compare(view.selectedTagIds, [])
            verify(!box.checked)
        }
    }
}
