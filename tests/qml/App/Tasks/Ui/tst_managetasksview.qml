import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import App.Constants 1.0
import App.Controls 1.0 as AppControls
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tasks 1.0
import App.Tasks.Ui 1.0
import KestrumTest 1.0

// The tasks screen against the reference service and its demo tasks.
Item {
    id: root
    width: 1200
    height: 800

    ReferenceService { id: service }

    Component {
        id: viewComponent
        ManageTasksView {
            anchors.fill: parent
        }
    }

    Component {
        id: credentialsComponent
        LoginCredentials {}
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    TestCase {
        id: testCase
        name: "ManageTasksView"
        when: windowShown

        property var view: null

        function initTestCase() {
            if (!service.start())
                skip("the reference service is not part of this build")
            Endpoints.serviceUri = service.serviceUri
            Endpoints.otaUri = service.serviceUri.replace(/\/[^/]*$/, "/ota")
            var authorized = createTemporaryObject(spyComponent, testCase, { "target": AuthManager, "signalName": "authorized" })
            AuthManager.login(credentialsComponent.createObject(testCase, { "login": "admin@example.com", "password": "demo-admin-2026" }))
            tryVerify(function () { return authorized.count === 1 }, 10000)
            view = viewComponent.createObject(root)
            tryVerify(function () { return view.currentTask !== null }, 10000)
        }

        function tasks() {
            return TasksDictionary.manager.listTasks.result || []
        }

        function selectTask(predicate) {
            var list = findChild(view, "tasksList")
            var index = tasks().findIndex(predicate)
            verify(index >= 0)
            list.currentIndex = index
            compare(view.currentTask, tasks()[index])
            return view.currentTask
        }

        function tickets() {
            return findChild(view, "ticketsList")
        }

        function test_ticketsFollowTheCurrentTask() {
            var task = selectTask(function (t) { return t.succeededCount + t.failedCount + t.pendingCount > 1 })
            var expected = task.succeededCount + task.failedCount + task.pendingCount
            tryVerify(function () {
                var rows = tickets().model
                return rows.length >= expected && rows.every(function (ticket) { return ticket.taskId === task.idd })
            }, 5000)
            // Another task's rows go at once, before its own list arrives.
            var other = selectTask(function (t) { return t.idd !== task.idd })
            verify(tickets().model.every(function (ticket) { return ticket.taskId === other.idd }))
            // Without a task no rows show, whatever the manager holds.
            findChild(view, "tasksList").currentIndex = -1
            compare(view.currentTask, null)
            compare(tickets().count, 0)
        }

        function test_retryFailedRestartsOnlyTheFailedTickets() {
            var task = selectTask(function (t) { return t.failedCount > 0 })
            tryVerify(function () { return view.failedTicketIds.length === task.failedCount }, 5000)
            var failed = view.failedTicketIds.slice()
            var retry = findChild(root, "retryFailedDialog")
            retry.open()
            tryVerify(function () { return retry.opened })
            // The console's one dialog footer: buttons as written, in the platform's order.
            var ok = findChild(retry.footer, "okButton")
            var cancel = findChild(retry.footer, "cancelButton")
            compare([ok.text, cancel.text, ok.font.capitalization, cancel.font.capitalization],
                    ["OK", "Cancel", Font.MixedCase, Font.MixedCase])
            retry.accept()
            tryCompare(AppControls.Feedback, "text", failed.length === 1 ? "The failed ticket runs again."
                                                                          : "The %1 failed tickets run again.".arg(failed.length), 5000)
            tryVerify(function () {
                var rows = tickets().model
                return failed.every(function (id) {
                    var ticket = rows.find(function (t) { return Number(t.idd) === id })
                    return ticket && ticket.status === Tasks.Pending
                })
            }, 5000)
            compare(view.failedTicketIds.length, 0)
            // The task's counts are those of its tickets, without a new task list.
            var open = tickets().model.filter(function (t) { return t.status === Tasks.Pending || t.status === Tasks.Running }).length
            compare(view.currentTask.failedCount, 0)
            compare(view.currentTask.pendingCount, open)
            // Pending tickets are followed while the screen is current.
            view.navigator = { "uiContext": {} }
            verify(view.followsTickets)
            view.navigator = null
            verify(!view.followsTickets)
        }

        // The operator's task stays current while the list is read again.
        function test_reloadKeepsTheCurrentTask() {
            var task = selectTask(function (t, index) { return index === 2 })
            var list = TasksDictionary.manager.listTasks
            var finished = createTemporaryObject(spyComponent, testCase, { "target": list, "signalName": "invokedOk" })
            var whileLoading = null
            // Connected after the list's own handler, so it sees what the list made current.
            var probe = function () { whileLoading = view.currentTask ? view.currentTask.idd : null }
            list.invoking.connect(probe)
            list.invoke()
            finished.wait(10000)
            list.invoking.disconnect(probe)
            compare(whileLoading, task.idd)
            compare(view.currentTask.idd, task.idd)
        }

        // Cancelling asks first with the number of open tickets; with none it cannot be asked for.
        function test_cancelTask() {
            var task = selectTask(function (t) { return t.pendingCount > 0 })
            compare(view.cancelTaskBlocker, "")
            var dialog = findChild(view, "cancelTaskDialog")
            view.cancelCurrentTask()
            tryVerify(function () { return dialog.opened }, 10000)
            var text = findChild(dialog, "messageLabel").text
            compare(text, task.pendingCount === 1 ? "Cancel the open ticket of this task?"
                                                  : "Cancel the " + task.pendingCount + " open tickets of this task?")
            dialog.accept()
            // Fully gone first: the counts may arrive while it still fades out.
            tryVerify(function () { return !dialog.visible }, 5000)
            tryVerify(function () {
                var fresh = tasks().find(function (t) { return t.idd === task.idd })
                return fresh && fresh.pendingCount === 0
            }, 10000)
            selectTask(function (t) { return t.idd === task.idd })
            compare(view.cancelTaskBlocker, "Nothing to cancel: every ticket of this task has finished.")
            view.cancelCurrentTask()
            wait(50)
            verify(!dialog.visible)
        }

        // The service answered, though not with a status: the operator is told what came back.
        function test_failureSaysWhatCameBack() {
            var dialog = findChild(view, "taskErrorDialog")
            var answers = [{ "jsonResult": null, "message": "The service at http://127.0.0.1:9 answered HTTP 500" },
                           { "jsonResult": { "result": 5 }, "message": Strings.answerWithoutStatusError }]
            answers.forEach(function (answer) {
                view.__reportFailure(answer, answer.message)
                tryVerify(function () { return dialog.opened })
                compare(dialog.reason, answer.message)
                dialog.close()
                tryVerify(function () { return !dialog.visible })
            })
        }

        function test_createShowMessageTask() {
            var before = tasks().length
            view.addTask()
            var dialog = findChild(root, "taskDialog")
            tryVerify(function () { return dialog.opened })
            var editor = findChild(dialog.contentItem, "taskEditor") || dialog.contentItem
            tryVerify(function () { return editor.dataEditor !== null }, 3000)
            verify(!dialog.isAcceptable)
            // Tags narrow the targets: the counter follows.
            var counter = findChild(editor, "devicesCounter")
            function counted() { return Number(counter.text.replace("selected: ", "")) }
            tryVerify(function () { return counted() > 0 }, 5000)
            var all = counted()
            var tags = findChild(editor, "taskTagSelection")
            tryVerify(function () { return tags.tags.length > 0 }, 5000)
            tags.setTagIdIsSelected(404, true)
            tryVerify(function () { return counted() > 0 && counted() < all }, 5000)
            var text = findChild(editor.dataEditor, "messageText")
            text.text = "Lunch at noon"
            verify(dialog.isAcceptable)
            // A window that ends before it starts is refused here, not by the service.
            var from = findChild(editor, "validFromPicker")
            var till = findChild(editor, "validTillPicker")
            var end = till.value
            till.value = new Date(from.value.getTime() - 3600 * 1000)
            verify(!dialog.isAcceptable)
            verify(findChild(editor, "validityWindowError").visible)
            till.value = end
            verify(dialog.isAcceptable)
            var reach = counted()
            dialog.accept()
            tryVerify(function () { return tasks().length === before + 1 }, 5000)
            var created = tasks()[0]
            compare(created.type, Tasks.ShowMessage)
            compare(created.taskData, '{"message":"Lunch at noon","image":{"src":""}}')
            compare(created.dispersion, "00:00:10")
            // As many tickets as the counter said.
            compare(created.pendingCount, reach)
        }
    }
}
