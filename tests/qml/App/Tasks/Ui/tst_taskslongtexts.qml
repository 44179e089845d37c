import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tasks.Ui 1.0
import KestrumTest 1.0

// A task whose data and a ticket whose answer are a megabyte each: the screen and the ticket's
// details show a cut text and keep painting, and the full text still reaches the clipboard.
TestCase {
    id: testCase
    name: "TasksLongTexts"
    when: windowShown
    visible: true
    width: 1000
    height: 700

    readonly property string path: "/QuillonService.svc/"
    readonly property string huge: new Array(1024 * 1024 + 1).join("x")

    ScriptedServer { id: server }

    Component {
        id: viewComponent
        ManageTasksView {
            width: 1000
            height: 700
        }
    }

    function initTestCase() {
        verify(server.start())
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        server.setPathResponse(path + "listTasks", 200, JSON.stringify({ "status": 0, "result": { "items": [
            { "id": 7, "t": 5, "s": 2, "d": huge, "sc": 1 }] } }))
        server.setPathResponse(path + "listTickets", 200, JSON.stringify({ "status": 0, "result": { "items": [
            { "id": 41, "tid": 7, "did": 3, "t": "5", "s": 2, "d": huge, "dn": "Room 12", "r": huge }] } }))
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-long-texts"
    }

    function test_longTextsAreCutAndCopiedWhole() {
        var view = createTemporaryObject(viewComponent, testCase)
        view.manager.listTasks.invoke()
        tryVerify(function () { return view.currentTask !== null }, 5000)
        var cut = huge.substring(0, 65536) + "… (cut, 1048576 bytes)"
        // Laid out is only the start of what the entity keeps.
        var shown = huge.substring(0, 16384) + "… (cut, 1048576 bytes)"
        compare(findChild(view, "taskDataText").text, shown)

        var tickets = findChild(view, "ticketsList")
        tryVerify(function () { return tickets.model && tickets.model.length === 1 }, 5000)
        compare(tickets.model[0].result, cut)
        Clipboard.setText("")
        var row = findChild(tickets, "ticketRow")
        tryVerify(function () { return row = findChild(tickets, "ticketRow") }, 3000)
        // A double click copies the device's answer and opens the ticket's details.
        mouseDoubleClickSequence(row)
        compare(Clipboard.text(), huge)
        var dialog = findChild(view, "ticketDetailsDialog")
        tryVerify(function () { return dialog.opened }, 3000)
        compare(findChild(dialog.contentItem, "ticketTaskData").text, shown)
        waitForRendering(view)

        Clipboard.setText("")
        mouseClick(findChild(dialog.contentItem, "copyTaskDataButton"))
        compare(Clipboard.text(), huge)
        dialog.close()
    }
}
