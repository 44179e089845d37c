import QtQuick 2.15
import QtTest 1.15
import App.Customers 1.0
import App.Customers.Ui 1.0
import App.DataProviders 1.0
import App.Devices 1.0
import App.Devices.Ui 1.0
import App.Managers 1.0
import App.Tags 1.0
import App.Tags.Ui 1.0
import App.Tasks 1.0
import App.Tasks.Ui 1.0
import App.Tickets 1.0
import App.Tickets.Ui 1.0
import App.Users 1.0
import App.Users.Ui 1.0
import KestrumTest 1.0

// Every list of the administration screens against a service that answers its list badly: the
// list says why, keeps the rows it had and reads again on Retry; a list cut short says so.
Item {
    id: root
    width: 1000
    height: 700

    ScriptedServer { id: server }

    Component {
        id: usersScreen
        UsersListView {
            anchors.fill: parent
            manager: UsersManager {}
        }
    }
    Component {
        id: locationsScreen
        CustomersListView {
            anchors.fill: parent
            manager: CustomersManager {}
        }
    }
    Component {
        id: tagsScreen
        TagsListView {
            anchors.fill: parent
            manager: TagsManager {}
        }
    }
    Component {
        id: tasksScreen
        TasksListView {
            anchors.fill: parent
            manager: TasksManager {}
        }
    }
    Component {
        id: ticketsScreen
        TicketsListView {
            anchors.fill: parent
            currentTask: ({ "idd": "1" })
            manager: TicketsManager {}
        }
    }
    Component {
        id: devicesScreen
        DevicesListView {
            anchors.fill: parent
            manager: DevicesManager {
                filter: DevicesFilter {}
                choicesWanted: false
            }
        }
    }

    TestCase {
        id: testCase
        name: "ListStatusBanner"
        when: windowShown

        readonly property var screens: ({
            "users": { "component": usersScreen, "service": "listUsers", "list": "usersList" },
            "locations": { "component": locationsScreen, "service": "listCustomers", "list": "locationsList" },
            "tags": { "component": tagsScreen, "service": "listTags", "list": "tagsList" },
            "tasks": { "component": tasksScreen, "service": "listTasks", "list": "tasksList" },
            "tickets": { "component": ticketsScreen, "service": "listTickets", "list": "ticketsList" },
            "devices": { "component": devicesScreen, "service": "listDevices", "list": "devicesList" }
        })

        readonly property var faults: ({
            "stalled": { "answer": { "body": '{"status":0,"result":{"items":[]}}', "stallAfterBytes": 5 },
                         "says": "The list could not be read: ", "why": "did not answer" },
            "HTTP 500": { "answer": { "status": 500, "body": "<html>Internal error</html>" },
                          "says": "The list could not be read: ", "why": "answered HTTP 500" },
            "not JSON": { "answer": { "body": "<html>All good</html>" },
                          "says": "The list could not be read: ", "why": "cannot be read" },
            "wrong shape": { "answer": { "body": '{"status":0,"result":{"items":"abc"}}' },
                             "says": "The list could not be read: ", "why": "cannot be read" },
            "refused": { "answer": { "body": '{"status":3,"result":null}' },
                         "says": "The service refused the list: ", "why": "Access denied" }
        })

        function initTestCase() {
            verify(server.start())
            server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
            Endpoints.serviceUri = server.url + "/QuillonService.svc"
            AuthManager.currentLoginInfo.sessionToken = "tok-liststatus"
        }

        function cleanup() {
            server.clearPathResponses()
        }

        function item(id) {
            return { "id": id, "n": "Item " + id, "pId": 0, "oId": 0, "cId": 1, "r": 2, "t": 1, "s": 1,
                     "tid": 1, "mac": ["m" + id] }
        }

        function answerList(screen, items) {
            var rows = items.filter(function (entry) { return entry !== null && typeof entry === "object" })
            var answer = { "status": 0, "result": { "items": items, "skipped": 0, "total": rows.length } }
            server.setPathAnswer("/QuillonService.svc/" + screens[screen].service, { "body": JSON.stringify(answer) })
        }

        // The screen's list, opened on a first list of these items.
        function openScreen(screen, items) {
            answerList(screen, items)
            var view = createTemporaryObject(screens[screen].component, root)
            var service = view.manager[screens[screen].service]
            service.invoke()
            return { "view": view, "service": service, "list": findChild(view, screens[screen].list),
                     "banner": findChild(view, "listStatusBanner") }
        }

        function test_failedListSaysWhyAndRetries_data() {
            var rows = []
            for (var screen in screens) {
                for (var fault in faults)
                    rows.push({ "tag": screen + ", " + fault, "screen": screen, "fault": fault })
            }
            return rows
        }

        function test_failedListSaysWhyAndRetries(data) {
            var fault = faults[data.fault]
            var opened = openScreen(data.screen, [item(1), item(2)])
            tryVerify(function () { return opened.list.count === 2 }, 3000)
            verify(!opened.banner.visible)

            server.setPathAnswer("/QuillonService.svc/" + screens[data.screen].service, fault.answer)
            opened.service.timeOutInterval = 1500
            opened.service.invoke()
            tryVerify(function () { return opened.banner.failed }, 5000)
            opened.service.timeOutInterval = 10000
            var text = findChild(opened.banner, "listFailureText").text
            compare(text.indexOf(fault.says), 0, text)
            verify(text.indexOf(fault.why) > 0, text)
            // The rows read before stay on screen.
            compare(opened.list.count, 2)

            answerList(data.screen, [item(1), item(2), item(3)])
            var retry = findChild(opened.banner, "listRetryButton")
            verify(retry.visible && retry.enabled)
            retry.clicked()
            tryVerify(function () { return opened.list.count === 3 }, 5000)
            verify(!opened.banner.visible)
        }

        function test_cutListSaysHowMuchWasLeftOut_data() {
            return Object.keys(screens).map(function (screen) { return { "tag": screen, "screen": screen } })
        }

        // Items that are not objects make no rows; they count as left out.
        function test_cutListSaysHowMuchWasLeftOut(data) {
            var opened = openScreen(data.screen, [item(1), null, 7, "x", item(2)])
            tryVerify(function () { return opened.banner.droppedItems > 0 }, 3000)
            compare(opened.list.count, 2)
            compare(findChild(opened.banner, "listCutText").text, "The list was cut: 3 items left out.")
            verify(!findChild(opened.banner, "listRetryButton").visible)
        }
    }
}
