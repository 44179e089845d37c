import QtQuick 2.15
import QtTest 1.15

// Every type of the control modules loads; the placeholders stay empty.
Item {
    id: root

    width: 600
    height: 400

    TestCase {
        name: "ControlModules"
        when: windowShown

        function test_typeLoads_data() {
            return [
                { tag: "IconLabelRenderTypePatcher", module: "App.Controls", type: "IconLabelRenderTypePatcher" },
                { tag: "Button", module: "App.Controls", type: "Button" },
                { tag: "Label", module: "App.Controls", type: "Label" },
                { tag: "ToolButton", module: "App.Controls", type: "ToolButton" },
                { tag: "ListView", module: "App.Controls", type: "ListView" },
                { tag: "TextField", module: "App.Controls", type: "TextField" },
                { tag: "CheckBox", module: "App.Controls", type: "CheckBox" },
                { tag: "TabButton", module: "App.Controls", type: "TabButton" },
                { tag: "MultiSelectComboBox", module: "App.Controls", type: "MultiSelectComboBox" },
                { tag: "UnderConstruction", module: "App.Controls", type: "UnderConstruction" },
                { tag: "RectangularToolButton", module: "App.Controls", type: "RectangularToolButton" },
                { tag: "RectangularSwitch", module: "App.Controls", type: "RectangularSwitch" },
                { tag: "XButton", module: "App.Controls.impl", type: "XButton" },
                { tag: "TestUiView", module: "App.Sandbox", type: "TestUiView" },
                { tag: "LicensesEditor", module: "App.Licenses.Ui", type: "LicensesEditor" },
                { tag: "ManageLicensesView", module: "App.Licenses.Ui", type: "ManageLicensesView" },
                { tag: "EditEntityUi", module: "EntitiesUi", type: "EditEntityUi" },
                { tag: "SortfieldSelectorUi", module: "EntitiesUi", type: "SortfieldSelectorUi" }
            ]
        }

        function test_typeLoads(data) {
            var object = Qt.createQmlObject("import %1 1.0\n%2 {}".arg(data.module).arg(data.type), root)
            verify(object)
            object.destroy()
        }

        function test_placeholdersAreEmpty() {
            var editor = Qt.createQmlObject("import App.Licenses.Ui 1.0\nLicensesEditor {}", root)
            compare(editor.children.length, 0)
            editor.destroy()
        }

        function test_sandboxStartsWithThreeSelected() {
            var view = Qt.createQmlObject("import App.Sandbox 1.0\nTestUiView {}", root)
            var combo = view.contentChildren[0]
            compare(combo.selectedIndexes, [0, 1, 2])
            compare(combo.model.length, 10)
            view.destroy()
        }

        function test_underConstructionText() {
            var panel = Qt.createQmlObject("import App.Controls 1.0\nUnderConstruction { width: 300; height: 200 }", root)
            compare(panel.radius, 10)
            var found = false
            var stack = [panel]
            while (stack.length) {
                var item = stack.pop()
                if (item.text === "This section is under construction, new features soon.")
                    found = true
                for (var i = 0; i < item.children.length; ++i)
                    stack.push(item.children[i])
            }
            verify(found)
            panel.destroy()
        }
    }
}
