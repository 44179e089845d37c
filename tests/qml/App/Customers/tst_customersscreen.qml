import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Ostrel 1.0
import App.Customers 1.0
import App.Customers.Ui 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import KestrumTest 1.0

// The locations screen against a scripted service: buttons by role and state, the editor's
// rules, and a refused write that keeps the listed values and gives the input back.
TestCase {
    id: testCase
    name: "CustomersScreen"
    when: windowShown
    visible: true
    width: 1000
    height: 700

    readonly property string path: "/QuillonService.svc/"

    ScriptedServer { id: server }

    Row { id: toolBar }
    Row { id: secondaryToolBar }

    Component {
        id: viewComponent
        ManageCustomersView {
            y: 60
            width: 900
            height: 600
        }
    }

    function requestsTo(method) {
        return server.requests.filter(function (request) { return request.path === path + method })
    }

    function initTestCase() {
        verify(server.start())
        scriptAnswers()
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-locations-ui"
    }

    function scriptAnswers() {
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        server.setPathResponse(path + "listCustomers", 200, '{"status":0,"result":{"items":['
            + '{"id":4,"n":"Main","d":"main.org","oId":0},{"id":9,"n":"East","oId":4},'
            + '{"id":12,"n":"Annex","oId":9},{"id":20,"n":"Old","oId":4,"a":true}]}}')
    }

    function cleanup() {
        server.clearPathResponses()
        scriptAnswers()
    }

    function openView(role, rows) {
        AuthManager.currentLoginInfo.role = role
        var view = createTemporaryObject(viewComponent, testCase)
        view.navigator = { "uiContext": { "toolBar": toolBar, "secondaryToolBar": secondaryToolBar } }
        // The list is the application's: an earlier test may have left another answer in it.
        view.manager.listCustomers.invoke()
        tryVerify(function () { return view.listView.list.count === (rows || 4) }, 3000)
        return view
    }

    function button(name) {
        for (var i = 0; i < toolBar.children.length; ++i) {
            var row = toolBar.children[i]
            for (var j = 0; j < row.children.length; ++j) {
                if (row.children[j].objectName === name)
                    return row.children[j]
            }
        }
        return null
    }

    function select(view, id) {
        view.listView.list.currentIndex = view.listView.orderedCustomersTree.findIndex(function (row) {
            return row.idd === id
        })
    }

    function test_buttonsByRoleAndState_data() {
        return [
            { tag: "god", role: Role.God, addRoot: true, addChild: true, manage: true },
            { tag: "administrator", role: Role.Administrator, addRoot: false, addChild: true, manage: true },
            { tag: "local administrator", role: Role.LocalAdministrator, addRoot: false, addChild: false, manage: true },
            { tag: "technician", role: Role.Technician, addRoot: false, addChild: false, manage: false }
        ]
    }

    function test_buttonsByRoleAndState(data) {
        var view = openView(data.role)
        select(view, 9)
        // What the role may never do is not offered.
        compare(button("addRootLocationButton").visible, data.addRoot)
        compare(button("addLocationButton").visible, data.addChild)
        compare(button("editLocationButton").visible, data.manage)
        compare(button("archiveLocationButton").visible, data.manage)
        if (!data.manage)
            return
        verify(button("editLocationButton").enabled)
        verify(button("archiveLocationButton").enabled)
        // Nothing is added below, edited in or archived again from an archived location.
        select(view, 20)
        if (data.addChild)
            verify(!button("addLocationButton").enabled)
        verify(!button("editLocationButton").enabled)
        verify(!button("archiveLocationButton").enabled)
    }

    // A new location proposes its domain from the name; a stored domain stays; the parent box
    // offers neither the location itself nor what lies below it.
    function test_editor() {
        var view = openView(Role.Administrator)
        select(view, 9)
        view.addChild()
        var editor = view.editDialog.entityEditorUi
        tryVerify(function () { return view.editDialog.opened })
        verify(!editor.isAcceptable)
        editor.nameField.forceActiveFocus()
        "Alpha".split("").forEach(function (key) { keyClick(key) })
        compare(editor.domainField.text, "alpha.org")
        verify(editor.isAcceptable)
        verify(editor.parentBox.visible)
        compare(editor.parentBox.currentText, "East")
        // Enter goes from the name to the domain, and from there accepts.
        keyClick(Qt.Key_Return)
        verify(editor.domainField.activeFocus)
        verify(view.editDialog.visible)
        editor.nameField.text = "Al"
        verify(!editor.isAcceptable)
        view.editDialog.reject()
        tryVerify(function () { return !view.editDialog.visible })

        select(view, 4)
        view.editCurrent()
        tryVerify(function () { return view.editDialog.opened })
        // A root has no parent to choose.
        verify(!editor.parentBox.visible)
        editor.nameField.forceActiveFocus()
        keyClick(Qt.Key_X)
        compare(editor.domainField.text, "main.org")
        view.editDialog.reject()
        tryVerify(function () { return !view.editDialog.visible })

        select(view, 9)
        view.editCurrent()
        tryVerify(function () { return view.editDialog.opened })
        compare(editor.parentChoices.map(function (customer) { return customer.idd }).sort(), [20, 4])
        var updates = requestsTo("updateCustomer").length
        editor.domainField.forceActiveFocus()
        keyClick(Qt.Key_Return)
        tryVerify(function () { return requestsTo("updateCustomer").length === updates + 1 }, 3000)
        compare(JSON.parse(requestsTo("updateCustomer").pop().body).customer.n, "East")
    }

    function test_refusedWriteGivesTheInputBack() {
        var view = openView(Role.Administrator)
        select(view, 9)
        var listed = view.currentCustomer
        view.editCurrent()
        var editor = view.editDialog.entityEditorUi
        tryVerify(function () { return view.editDialog.opened })
        editor.nameField.text = "East Wing"
        editor.domainField.text = "wing.org"
        server.setPathResponse(path + "updateCustomer", 200, '{"status":4,"result":null}')
        view.editDialog.accept()
        tryVerify(function () { return view.errorDialog.opened }, 3000)
        compare(view.errorDialog.reason, "Already exists!")
        compare(JSON.parse(requestsTo("updateCustomer").pop().body).customer,
                { "id": 9, "n": "East Wing", "d": "wing.org", "oid": 4, "a": false })
        // Only a clone was changed.
        compare(listed.name, "East")
        view.errorDialog.close()
        tryVerify(function () { return view.editDialog.opened }, 3000)
        compare(editor.nameField.text, "East Wing")
        compare(editor.domainField.text, "wing.org")
        view.editDialog.reject()
    }

    function test_archiveAndNewRowSelection() {
        var view = openView(Role.God)
        select(view, 12)
        view.archiveCurrent()
        tryVerify(function () { return view.archiveDialog.opened })
        server.setPathResponse(path + "updateCustomer", 200, '{"status":0,"result":{"id":12,"n":"Annex","oId":9,"a":true}}')
        view.archiveDialog.accept()
        tryVerify(function () { return requestsTo("updateCustomer").length > 0 }, 3000)
        compare(JSON.parse(requestsTo("updateCustomer").pop().body).customer.a, true)

        // A stored new location becomes the current row once the list has it.
        server.setPathResponse(path + "addCustomer", 200, '{"status":0,"result":{"id":30,"n":"Root Two","oId":0}}')
        view.addRoot()
        tryVerify(function () { return view.editDialog.opened })
        view.editDialog.entityEditorUi.nameField.text = "Root Two"
        view.editDialog.accept()
        tryVerify(function () { return requestsTo("addCustomer").length > 0 }, 3000)
        compare(JSON.parse(requestsTo("addCustomer").pop().body).customer.oid, 0)
        server.setPathResponse(path + "listCustomers", 200, '{"status":0,"result":{"items":['
            + '{"id":4,"n":"Main","oId":0},{"id":30,"n":"Root Two","oId":0}]}}')
        view.manager.listCustomers.invoke()
        tryVerify(function () { return view.currentCustomer && view.currentCustomer.idd === 30 }, 3000)
    }

    // An operator who sees his location but not its parent renames it where it is.
    function test_parentOutOfTheListIsKept() {
        server.setPathResponse(path + "listCustomers", 200, '{"status":0,"result":{"items":['
            + '{"id":9,"n":"East","oId":4},{"id":12,"n":"Annex","oId":9}]}}')
        var view = openView(Role.LocalAdministrator, 2)
        select(view, 9)
        view.editCurrent()
        var editor = view.editDialog.entityEditorUi
        tryVerify(function () { return view.editDialog.opened })
        compare(editor.parentBox.currentIndex, -1)
        verify(editor.parentBox.displayText !== "This is root location")
        editor.nameField.text = "East Wing"
        var updates = requestsTo("updateCustomer").length
        view.editDialog.accept()
        tryVerify(function () { return requestsTo("updateCustomer").length === updates + 1 }, 3000)
        var sent = JSON.parse(requestsTo("updateCustomer").pop().body).customer
        compare([sent.n, sent.oid], ["East Wing", 4])
    }
}
