import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Ostrel 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Users 1.0
import App.Users.Ui 1.0
import KestrumTest 1.0

// The users screen against a scripted service: editor rules, the two-step creation, failures
// that keep the operator's input, and the list filters.
TestCase {
    id: testCase
    name: "UsersScreen"
    when: windowShown
    visible: true
    width: 1000
    height: 700

    readonly property string path: "/QuillonService.svc/"
    readonly property string userList: '{"status":0,"result":{"items":['
        + '{"id":42,"n":"Ann Operator","cId":4,"r":1,"l":[{"data":{"login":"old@example.com"}},{"data":{"login":"ann@example.com"}}]},'
        + '{"id":7,"n":"Tom Tech","cId":9,"r":2},{"id":8,"n":"Bea","cId":77,"r":5,"d":true}]}}'

    ScriptedServer { id: server }

    Row { id: toolBar }
    Row { id: secondaryToolBar }

    Component {
        id: viewComponent
        ManageUsersView {
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
        AuthManager.currentLoginInfo.sessionToken = "tok-users-ui"
        AuthManager.currentLoginInfo.userId = 42
    }

    function cleanup() {
        server.clearPathResponses()
        scriptAnswers()
    }

    function scriptAnswers() {
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        server.setPathResponse(path + "listUsers", 200, userList)
        server.setPathResponse(path + "listCustomers", 200,
            '{"status":0,"result":{"items":[{"id":4,"n":"Main","oId":0},{"id":9,"n":"East","oId":4}]}}')
        server.setPathResponse(path + "listRolesAllowedToCreate", 200, '{"status":0,"result":[0,1,2,3,4,5]}')
    }

    function openView() {
        var view = createTemporaryObject(viewComponent, testCase)
        view.navigator = { "uiContext": { "toolBar": toolBar, "secondaryToolBar": secondaryToolBar } }
        tryVerify(function () { return view.listView.list.count === 3 }, 3000)
        tryVerify(function () { return UsersDictionary.createableRoles.length === 2 }, 3000)
        return view
    }

    function findChild(parentItem, objectName) {
        for (var i = 0; i < parentItem.children.length; ++i) {
            var child = parentItem.children[i]
            if (child.objectName === objectName)
                return child
            var found = findChild(child, objectName)
            if (found)
                return found
        }
        return null
    }

    function test_rowsAndSorting() {
        var view = openView()
        compare(view.listView.list.model.map(function (user) { return user.name }), ["Ann Operator", "Bea", "Tom Tech"])
        var first = view.listView.list.itemAtIndex(0)
        compare(findChild(first, "userLoginLabel").text, "ann@example.com")
        tryCompare(findChild(first, "userLocationLabel"), "text", "Main")
        compare(findChild(view.listView.list.itemAtIndex(1), "userLocationLabel").text, "N/A")
        compare(findChild(first, "userRoleLabel").text, "Administrator")
        view.listView.descending = true
        compare(view.listView.list.model.map(function (user) { return user.name }), ["Tom Tech", "Bea", "Ann Operator"])
        // A fresh listing keeps the chosen order.
        view.manager.listUsers.invoke()
        tryCompare(view.manager.listUsers, "isLoading", false)
        wait(50)
        compare(view.listView.list.model[0].name, "Tom Tech")
    }

    // The offered roles leave out God, technicians and devices; a technician's role shows as
    // text and keeps OK disabled until another role is chosen.
    function test_editorRules() {
        var view = openView()
        view.listView.list.currentIndex = view.listView.list.model.findIndex(function (user) { return user.idd === 7 })
        view.editCurrent()
        var editor = view.editDialog.entityEditorUi
        tryVerify(function () { return view.editDialog.opened })
        compare(editor.roles.map(function (role) { return role.idd }), [Role.Administrator, Role.LocalAdministrator])
        compare(editor.roleBox.currentIndex, -1)
        compare(editor.roleBox.displayText, "Technician")
        compare(editor.locationBox.currentText, "East")
        verify(!editor.isAcceptable)
        editor.chosenRole = Role.LocalAdministrator
        verify(editor.isAcceptable)
        editor.nameField.text = "Tom"
        verify(editor.isAcceptable)
        editor.nameField.text = "To"
        verify(!editor.isAcceptable)
        view.editDialog.reject()
        tryVerify(function () { return !view.editDialog.visible })
        compare(editor.entity, null)
    }

    function test_filters() {
        var view = openView()
        var archived = findChild(secondaryToolBar, "showArchivedCheckBox")
        var disabled = findChild(secondaryToolBar, "showDisabledCheckBox")
        verify(!archived.checked && !disabled.checked)
        mouseClick(archived)
        compare(UsersDictionary.filter.archived, undefined)
        verify(archived.checked)
        tryVerify(function () { return requestsTo("listUsers").pop().body.indexOf('"archived"') < 0 }, 2000)
        verify(requestsTo("listUsers").pop().body.indexOf('"disabled":false') >= 0)
        mouseClick(archived)
        compare(UsersDictionary.filter.archived, false)
        verify(!archived.checked)
        // The screen's buttons live in the tool bars only while the screen is current.
        verify(findChild(toolBar, "addUserButton") !== null)
        view.navigator = null
        compare(findChild(toolBar, "addUserButton"), null)
        compare(findChild(secondaryToolBar, "showArchivedCheckBox"), null)
    }

    function test_archivedUserCannotBeChanged() {
        var view = openView()
        view.listView.list.currentIndex = 0
        verify(findChild(toolBar, "archiveUserButton").enabled)
        view.listView.list.model[0].archived = true
        verify(!findChild(toolBar, "archiveUserButton").enabled)
        verify(!findChild(toolBar, "editUserButton").enabled)
        verify(!findChild(toolBar, "userPasswordButton").enabled)
        verify(findChild(toolBar, "addUserButton").enabled)
        view.listView.list.model[0].archived = false
    }

    // The list reads the flags, so archiving a disabled user sends it still disabled.
    function test_archivingKeepsTheDisabledFlag() {
        var view = openView()
        var what = JSON.parse(requestsTo("listUsers").pop().body).what.split(",")
        verify(what.indexOf("d") >= 0 && what.indexOf("a") >= 0, what)
        view.listView.list.currentIndex = view.listView.list.model.findIndex(function (user) { return user.idd === 8 })
        var row = findChild(view.listView.list, "userRow_Bea")
        verify(row.contentItem.children[0].source.toString().indexOf("user-disabled") >= 0)
        view.archiveCurrent()
        tryVerify(function () { return view.archiveDialog.opened })
        var updates = requestsTo("updateUser").length
        view.archiveDialog.accept()
        tryVerify(function () { return requestsTo("updateUser").length === updates + 1 }, 3000)
        var sent = JSON.parse(requestsTo("updateUser").pop().body).user
        compare([sent.id, sent.d, sent.a], [8, true, true])
    }

    // A refused first step stays on the user page with the typed name; an accepted one moves to
    // the login page for the stored user; OK stores the login for that user.
    function test_twoStepCreation() {
        var view = openView()
        view.addUser()
        var dialog = view.createDialog
        var editor = dialog.entityEditorUi
        tryVerify(function () { return dialog.opened })
        compare(editor.entity.role, Role.LocalAdministrator)
        compare(editor.entity.customerId, 4)
        compare(editor.userPage.nameField.text, "New user")
        verify(!dialog.lastPage)
        editor.userPage.nameField.text = "Zoe Zed"
        verify(dialog.isAppliable)

        server.setPathResponse(path + "addUser", 200, '{"status":3,"result":null}')
        dialog.standardButton(Dialog.Apply).clicked()
        tryVerify(function () { return view.errorDialog.opened }, 3000)
        compare(view.errorDialog.reason, "Access denied! You don't have rights for this action.")
        verify(dialog.visible)
        verify(editor.userInCreation)
        compare(editor.userPage.nameField.text, "Zoe Zed")
        view.errorDialog.close()

        server.setPathResponse(path + "addUser", 200, '{"status":0,"result":{"id":61,"n":"Zoe Zed","cId":4,"r":5}}', 300)
        var additions = requestsTo("addUser").length
        dialog.standardButton(Dialog.Apply).clicked()
        // A second Apply while the first is on its way would store the user twice.
        tryVerify(function () { return !dialog.standardButton(Dialog.Apply).enabled }, 1000)
        tryVerify(function () { return !editor.userInCreation }, 3000)
        compare(requestsTo("addUser").length, additions + 1)
        compare(JSON.parse(requestsTo("addUser").pop().body).user,
                { "id": 0, "n": "Zoe Zed", "cId": 4, "r": 5, "bIn": false, "d": false, "a": false })
        verify(dialog.lastPage)
        compare(editor.entity.idd, 61)
        verify(!dialog.isAcceptable)
        editor.loginPage.loginField.text = "zoe@example.com"
        editor.loginPage.passwordField.text = "zoe-secret-1"
        editor.loginPage.confirmField.text = "zoe-secret-1"
        verify(dialog.isAcceptable)
        var lists = requestsTo("listUsers").length
        var logins = requestsTo("addLogin").length
        server.setPathResponse(path + "addLogin", 200, '{"status":0,"result":{}}')
        dialog.standardButton(Dialog.Ok).clicked()
        tryVerify(function () { return requestsTo("addLogin").length === logins + 1 }, 3000)
        compare(JSON.parse(requestsTo("addLogin").pop().body).login,
                { "id": "", "userId": 61, "method": "login-password", "data": { "login": "zoe@example.com", "password": "zoe-secret-1" } })
        tryVerify(function () { return requestsTo("listUsers").length > lists }, 3000)
        tryVerify(function () { return !dialog.visible })
        // The next creation starts on the first page again.
        verify(editor.userInCreation)
    }

    // A refused edit brings the editor back with the typed values; the list keeps what is stored.
    function test_refusedEditKeepsTheInput() {
        var view = openView()
        view.listView.list.currentIndex = view.listView.list.model.findIndex(function (user) { return user.idd === 7 })
        view.editCurrent()
        var editor = view.editDialog.entityEditorUi
        tryVerify(function () { return view.editDialog.opened })
        editor.nameField.text = "Tom Renamed"
        editor.chosenRole = Role.LocalAdministrator
        editor.disabledBox.checked = true
        server.setPathResponse(path + "updateUser", 200, '{"status":4,"result":null}')
        var lists = requestsTo("listUsers").length
        view.editDialog.accept()
        tryVerify(function () { return view.errorDialog.opened }, 3000)
        compare(view.errorDialog.reason, "Already exists!")
        compare(JSON.parse(requestsTo("updateUser").pop().body).user,
                { "id": 7, "n": "Tom Renamed", "cId": 9, "r": 5, "bIn": false, "d": true, "a": false })
        tryVerify(function () { return requestsTo("listUsers").length > lists }, 3000)
        verify(view.listView.list.model.some(function (user) { return user.name === "Tom Tech" && !user.disabled }))
        view.errorDialog.close()
        tryVerify(function () { return view.editDialog.opened }, 3000)
        compare(editor.nameField.text, "Tom Renamed")
        compare(editor.roleBox.currentText, "LocalAdministrator")
        verify(editor.disabledBox.checked)
        view.editDialog.reject()
    }

    // A refused password brings the credentials dialog back with the typed login name.
    function test_refusedPasswordKeepsLoginName() {
        var view = openView()
        view.listView.list.currentIndex = 0
        view.manageCredentials(view.currentUser)
        var dialog = view.credentialsDialog
        var editor = dialog.entityEditorUi
        tryVerify(function () { return dialog.opened })
        // The user signs in already: his password is changed, no credentials created.
        compare(dialog.title, "Change password")
        editor.loginField.text = "renamed@example.com"
        editor.passwordField.text = "another-pass"
        editor.confirmField.text = "another-pass"
        server.setPathResponse(path + "addLogin", 200, '{"status":6,"result":null}')
        server.setPathResponse(path + "listLogins", 200, '{"status":0,"result":{"items":[{"userId":42,"data":{"login":"stored@example.com"}}]}}', 200)
        dialog.standardButton(Dialog.Ok).clicked()
        tryVerify(function () { return view.errorDialog.opened }, 3000)
        compare(view.errorDialog.reason, "Invalid argument!")
        view.errorDialog.close()
        tryVerify(function () { return dialog.opened }, 3000)
        compare(editor.user.idd, view.listView.list.model[0].idd)
        // Also once the stored login name has been listed.
        tryVerify(function () { return !editor.manager.listLogins.isLoading }, 3000)
        wait(50)
        compare(editor.loginField.text, "renamed@example.com")
        dialog.reject()
    }
}
