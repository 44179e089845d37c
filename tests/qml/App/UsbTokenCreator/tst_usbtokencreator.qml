import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import QtQuickX 1.0
import Ostrel 1.0
import App.Constants 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Navigation 1.0
import App.Views 1.0
import KestrumTest 1.0

// The token creator opened through the navigator, against a scripted service.
TestCase {
    id: testCase
    name: "UsbTokenCreator"
    when: windowShown
    visible: true
    width: 1366
    height: 768

    readonly property string method: "/QuillonService.svc/createRoleSession"
    readonly property string validFrom: '{"DateTime":"/Date(1767787200000)/","OffsetMinutes":0}'
    readonly property string validTo: '{"DateTime":"/Date(1767790800000)/","OffsetMinutes":0}'
    property url folder: IO.setFileName(IO.defaultDocumentsDirectory, "flash-drive")
    property url tokenFile: IO.setFileName(folder, "init-config.json")
    property var view: null

    MainView {
        id: mainView
        anchors.fill: parent
    }

    ScriptedServer { id: server }

    SignalSpy {
        id: savedSpy
        target: DataManager
        signalName: "saved"
    }

    function initTestCase() {
        verify(server.start())
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
        AuthManager.currentLoginInfo.sessionToken = "tok-admin"
    }

    function init() {
        tryCompare(findChild(mainView, "pageStack"), "busy", false, 2000)
        Navigator.replace(null, "/App/UsbTokenCreator/Ui/UsbTokenCreatorView.qml", {}, StackView.Immediate)
        view = Navigator.currentItem
        compare(view.objectName, "usbTokenCreatorView")
        compare(Navigator.currentItemTitle, "USB token")
        LocalIO.removeFile(tokenFile)
        savedSpy.clear()
    }

    function cleanup() {
        // An answer still on its way would open its dialog over the next test.
        tryVerify(function () { return !view.manager.createRoleSession.isLoading }, 5000)
        wait(20)
        if (DataManager.dialog)
            DataManager.dialog.close()
        view.errorDialog.close()
        tryVerify(function () { return !view.errorDialog.visible }, 2000)
        server.clearPathResponses()
    }

    function requests() {
        return server.requests.filter(function (request) { return request.path === method })
    }

    function answer(status, result, delay) {
        server.setPathResponse(method, 200, JSON.stringify({ "status": status, "result": result }), delay || 0)
    }

    function create() {
        var before = requests().length
        mouseClick(findChild(view, "createTokenButton"))
        tryVerify(function () { return requests().length === before + 1 }, 3000)
        return JSON.parse(requests()[before].body)
    }

    function test_defaultsAskForATechnicianForADay() {
        answer(3, null)
        var started = Date.now()
        var body = create()
        compare(body.sessionToken, "tok-admin")
        compare(body.role, Role.Technician)
        var iso = /^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$/
        verify(iso.test(body.validFrom), body.validFrom)
        verify(iso.test(body.validTo), body.validTo)
        var from = Date.parse(body.validFrom)
        // The form starts at the minute it was opened.
        verify(Math.abs(from - started) < 2 * 60 * 1000, body.validFrom)
        compare(Date.parse(body.validTo) - from, 24 * 3600 * 1000)
    }

    function test_chosenRoleAndDatesAreSentAsChosen() {
        answer(3, null)
        view.roleBox.currentIndex = 1
        // A window that ends before it starts is the service's to refuse.
        view.fromPicker.value = new Date(Date.UTC(2030, 0, 2, 10, 30))
        view.tillPicker.value = new Date(Date.UTC(2030, 0, 1, 8, 0))
        var body = create()
        compare(body.role, Role.Administrator)
        compare(body.validFrom, "2030-01-02T10:30:00.000Z")
        compare(body.validTo, "2030-01-01T08:00:00.000Z")
    }

    function test_tokenFileKeysInOrder_data() {
        var uri = JSON.stringify(server.url + "/QuillonService.svc")
        return [
            { tag: "whole answer", result: { "r": 2, "vt": JSON.parse(validTo), "t": "tok-tech", "vf": JSON.parse(validFrom) },
              text: '{"sessionToken":"tok-tech","validFrom":' + validFrom + ',"validTo":' + validTo + ',"uri":' + uri + '}' },
            { tag: "without vf", result: { "t": "tok-tech", "vt": JSON.parse(validTo) },
              text: '{"sessionToken":"tok-tech","validTo":' + validTo + ',"uri":' + uri + '}' }
        ]
    }

    function test_tokenFileKeysInOrder(data) {
        answer(0, data.result)
        create()
        // The answer opens the folder dialog; accepting it writes the file.
        tryVerify(function () { return DataManager.dialog && DataManager.dialog.visible }, 3000)
        verify(DataManager.isSaveDlg)
        compare(DataManager.fileName, "init-config.json")
        verify(DataManager.write(folder))
        compare(String(LocalIO.readFileText(tokenFile)), data.text)
        compare(savedSpy.count, 1)
        verify(!view.errorDialog.opened)
    }

    function test_cancelledFolderDialogWritesNothing() {
        answer(0, { "t": "tok-first" })
        create()
        tryVerify(function () { return DataManager.dialog && DataManager.dialog.visible }, 3000)
        DataManager.dialog.reject()
        // Writing follows the accepted dialog synchronously; a rejected one has nothing pending.
        wait(50)
        verify(!LocalIO.isReadable(tokenFile))
        compare(savedSpy.count, 0)
        // Another press asks for a new session.
        answer(0, { "t": "tok-second" })
        create()
        tryVerify(function () { return DataManager.jSONDataObject.sessionToken === "tok-second" }, 3000)
    }

    function test_failuresShowWhyAndWriteNothing_data() {
        return [
            { tag: "no rights", status: 200, body: '{"status":3,"result":null}', reason: "Access denied!" },
            { tag: "invalid window", status: 200, body: '{"status":6,"result":null,"message":"x"}', reason: Strings.invalidArgumentError },
            { tag: "session expired", status: 200, body: '{"status":2,"result":null}', reason: Strings.unauthentificatedError },
            { tag: "service unreachable", status: 502, body: "", reason: "The service at %1 answered HTTP 502" },
            { tag: "granted nothing", status: 200, body: '{"status":0,"result":null}', reason: "The service granted no session token." },
            { tag: "no token", status: 200, body: '{"status":0,"result":{"t":"","vt":' + validTo + '}}',
              reason: "The service granted no session token." },
            { tag: "unreadable window", status: 200, body: '{"status":0,"result":{"t":"tok","vf":' + validFrom + ',"vt":{"DateTime":"tomorrow"}}}',
              reason: "The service sent a validity window that cannot be read." }
        ]
    }

    function test_failuresShowWhyAndWriteNothing(data) {
        DataManager.jSONDataObject = null
        server.setPathResponse(method, data.status, data.body, 0)
        create()
        tryVerify(function () { return view.errorDialog.opened }, 3000)
        compare(findChild(view.errorDialog.contentItem, "messageLabel").text,
                "Error! USB token handling failed! " + data.reason.arg(server.url.replace(/\/$/, "")))
        verify(!DataManager.dialog || !DataManager.dialog.visible)
        compare(DataManager.jSONDataObject, null)
        // The form keeps what the operator chose.
        compare(view.roleBox.currentIndex, 0)
    }

    function test_failedWriteIsReportedAndKeepsTheOldFile() {
        verify(LocalIO.writeWholeFile(tokenFile, "old token"))
        answer(0, { "t": "tok-new" })
        create()
        tryVerify(function () { return DataManager.dialog && DataManager.dialog.visible }, 3000)
        // A "folder" that is a file cannot take the token.
        verify(!DataManager.write(tokenFile))
        compare(String(LocalIO.readFileText(tokenFile)), "old token")
        tryVerify(function () { return view.errorDialog.opened }, 3000)
        compare(view.errorDialog.reason, Strings.fileWriteError)
    }

    function test_busyWhileTheServiceAnswers() {
        answer(3, null, 600)
        mouseClick(findChild(view, "createTokenButton"))
        var busy = findChild(view, "usbTokenBusyIndicator")
        tryVerify(function () { return busy.visible && busy.running }, 2000)
        verify(!findChild(view, "createTokenButton").enabled)
        tryVerify(function () { return !busy.visible }, 3000)
        verify(findChild(view, "createTokenButton").enabled)
    }
}
