import QtQuick 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tags 1.0
import App.Tags.Ui 1.0
import KestrumTest 1.0

Item {
    id: root
    width: 900
    height: 700

    ScriptedServer { id: server }

    Component {
        id: viewComponent
        ManageTagsView {
            anchors.fill: parent
        }
    }

    TestCase {
        id: testCase
        name: "ManageTagsView"
        when: windowShown

        readonly property string tagList: '{"status":0,"result":{"items":[{"id":300,"pId":0,"n":"Infrastructure"},'
            + '{"id":310,"pId":300,"n":"Blue Campus"}]}}'

        function initTestCase() {
            verify(server.start())
            server.setPathResponse("/QuillonService.svc/listTags", 200, tagList)
            server.setDefaultResponse(200, '{"status":0,"result":null}')
            Endpoints.serviceUri = server.url + "/QuillonService.svc"
            AuthManager.currentLoginInfo.sessionToken = "tok-tagsview"
        }

        function lastBody(method) {
            var requests = server.requests.filter(function (r) { return r.path === "/QuillonService.svc/" + method })
            return requests.length ? JSON.parse(requests[requests.length - 1].body) : null
        }

        function openView() {
            var view = createTemporaryObject(viewComponent, root)
            tryVerify(function () { return view.tagsListView.orderedTagsTree.length === 2 }, 3000)
            return view
        }

        function test_addChildTag() {
            var view = openView()
            view.tagsListView.list.currentIndex = 1
            compare(view.tagsListView.selectedEntity.idd, 310)
            view.addTag("New child tag", view.tagsListView.selectedEntity.idd)
            // The name is there as the dialog starts to open; what is typed while it animates
            // in stays.
            var field = view.editDialog.entityEditorUi.nameField
            compare(field.text, "New child tag")
            verify(!view.editDialog.opened)
            field.text = "F1"
            tryVerify(function () { return view.editDialog.opened }, 2000)
            compare(field.text, "F1")
            // Two characters are not a name.
            verify(!view.editDialog.isAcceptable)
            field.text = "Floor 7"
            verify(view.editDialog.isAcceptable)
            server.enqueue(200, '{"status":0,"result":{"id":317,"pId":310,"n":"Floor 7"}}')
            view.editDialog.accept()
            tryVerify(function () { return lastBody("addTag") !== null }, 2000)
            compare(JSON.stringify(lastBody("addTag").tag), '{"id":0,"n":"Floor 7","pId":310}')
            // The new tag's row becomes current once the list holds it.
            tryCompare(view.tagsListView, "lastSelectedEntityId", 317, 2000)
        }

        function test_failedRenameIsReportedAndListedAgain_data() {
            return [{ tag: "refused", status: 200, transport: false }, { tag: "transport failure", status: 502, transport: true }]
        }

        // The tree shows the stored name, whether the service refused the rename or the call failed on its way.
        function test_failedRenameIsReportedAndListedAgain(data) {
            var view = openView()
            view.tagsListView.list.currentIndex = 0
            view.editTag(view.tagsListView.selectedEntity)
            tryVerify(function () { return view.editDialog.opened }, 2000)
            view.editDialog.entityEditorUi.nameField.text = "Campuses"
            server.enqueue(data.status, '{"status":3,"result":null}')
            var lists = server.requests.filter(function (r) { return r.path === "/QuillonService.svc/listTags" }).length
            view.editDialog.accept()
            var errorDialog = findChild(view, "errorDialog")
            tryVerify(function () { return errorDialog.opened }, 3000)
            compare(lastBody("updateTag").tag.n, "Campuses")
            if (!data.transport)
                verify(errorDialog.reason.indexOf("Access denied") === 0)
            compare(view.tagsListView.tagsIndex[300].name, "Infrastructure")
            tryVerify(function () {
                return server.requests.filter(function (r) { return r.path === "/QuillonService.svc/listTags" }).length > lists
            }, 3000)
            errorDialog.close()
        }

        // A tag with children is deleted only after a question that counts what goes with it.
        function test_deletingATreeAsksWithCounts() {
            var view = openView()
            server.setPathResponse("/QuillonService.svc/listDevices", 200, '{"status":0,"result":{"items":[{"id":5}],"total":12}}')
            view.tagsListView.list.currentIndex = 0
            var deletes = server.requests.filter(function (r) { return r.path === "/QuillonService.svc/deleteTag" }).length
            view.tagDeletion.ask(view.tagsListView.selectedEntity)
            var dialog = view.tagDeletion.confirmTreeDialog
            tryVerify(function () { return dialog.opened }, 2000)
            compare(lastBody("listDevices").filter, { "anyOfTagsIds": [300, 310], "includeServants": true })
            var text = findChild(dialog, "messageLabel").text
            verify(text.indexOf("Infrastructure") >= 0 && text.indexOf("1 tag(s)") >= 0 && text.indexOf("12 device(s)") >= 0, text)
            compare(server.requests.filter(function (r) { return r.path === "/QuillonService.svc/deleteTag" }).length, deletes)
            dialog.accept()
            tryVerify(function () { return lastBody("deleteTag") !== null && lastBody("deleteTag").id === 300 }, 2000)
        }
    }
}
