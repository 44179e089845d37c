import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import App.DataProviders 1.0
import App.Logins 1.0
import App.Logins.Ui 1.0
import EntitiesUi 1.0
import KestrumTest 1.0

// The login editor's rules: e-mail shapes, eight-character passwords and their confirmation,
// the login name read from the service, and what accept and reset write.
TestCase {
    id: testCase
    name: "LoginEditor"
    when: windowShown
    visible: true
    width: 700
    height: 400

    ScriptedServer { id: server }

    LoginManager { id: manager }

    Component {
        id: loginComponent
        Login {}
    }

    LoginEditor {
        id: editor
        width: 600
        height: 300
        manager: manager
    }

    Component {
        id: dialogComponent
        EditEntityDialog {
            entityTypeName: "Login"
            entityEditorUi: LoginEditor {
                manager: manager
            }
        }
    }

    SignalSpy {
        id: acceptedSpy
        signalName: "accepted"
    }

    function initTestCase() {
        verify(server.start())
        Endpoints.serviceUri = server.url + "/QuillonService.svc"
    }

    function init() {
        server.setDefaultResponse(200, '{"status":0,"result":{"items":[]}}')
        editor.resetRequested()
        editor.entity = null
        editor.loginField.text = "ops@example.com"
        editor.passwordField.text = "12345678"
        editor.confirmField.text = "12345678"
        verify(editor.isAcceptable)
    }

    function test_loginShapes_data() {
        return [
            { tag: "plain address", text: "ops@example.com", acceptable: true },
            { tag: "dotted local part", text: "first.last@mail.example.org", acceptable: true },
            { tag: "upper case", text: "OPS@EXAMPLE.COM", acceptable: true },
            { tag: "quoted local part", text: "\"ops desk\"@example.com", acceptable: true },
            { tag: "no at sign", text: "ops.example.com", acceptable: false },
            { tag: "no domain dot", text: "ops@example", acceptable: false },
            { tag: "one-letter last part", text: "ops@example.c", acceptable: false },
            { tag: "empty domain run", text: "ops@example..com", acceptable: false },
            { tag: "leading dot", text: ".ops@example.com", acceptable: false },
            { tag: "double dot in local part", text: "ops..desk@example.com", acceptable: false },
            { tag: "blank", text: "ops desk@example.com", acceptable: false },
            { tag: "angle bracket", text: "<ops>@example.com", acceptable: false },
            { tag: "empty", text: "", acceptable: false }
        ]
    }

    function test_loginShapes(data) {
        editor.loginField.text = data.text
        compare(editor.loginField.isAcceptable, data.acceptable)
        compare(editor.isAcceptable, data.acceptable)
    }

    function test_passwordRules_data() {
        return [
            { tag: "eight and confirmed", password: "abcdefgh", confirmation: "abcdefgh", password_ok: true, confirmation_ok: true },
            { tag: "seven and confirmed", password: "abcdefg", confirmation: "abcdefg", password_ok: false, confirmation_ok: false },
            { tag: "eight, confirmation differs", password: "abcdefgh", confirmation: "abcdefgX", password_ok: true, confirmation_ok: false },
            { tag: "eight, confirmation differs in case", password: "abcdefgh", confirmation: "ABCDEFGH", password_ok: true, confirmation_ok: false },
            { tag: "eight, confirmation short", password: "abcdefgh", confirmation: "abcdefg", password_ok: true, confirmation_ok: false },
            { tag: "long and confirmed", password: "correct horse battery", confirmation: "correct horse battery", password_ok: true, confirmation_ok: true }
        ]
    }

    function test_passwordRules(data) {
        editor.passwordField.text = data.password
        editor.confirmField.text = data.confirmation
        compare(editor.passwordField.isAcceptable, data.password_ok)
        compare(editor.confirmField.isAcceptable, data.confirmation_ok)
        compare(editor.isAcceptable, data.password_ok && data.confirmation_ok)
        // A field that is not acceptable is underlined in red; a mismatch is said in words.
        var underline = findChild(editor.confirmField, "underline")
        compare(underline.height, data.confirmation_ok ? 1 : 2)
        var mismatch = findChild(editor, "passwordMismatchText")
        compare(mismatch.visible, data.password !== data.confirmation)
        compare(mismatch.text, "The passwords do not match.")
    }

    function test_tabOrderFromTheLoginField() {
        editor.opening()
        verify(editor.loginField.activeFocus)
        keyClick(Qt.Key_Tab)
        verify(editor.passwordField.activeFocus)
        keyClick(Qt.Key_Tab)
        verify(editor.confirmField.activeFocus)
    }

    function test_openingReadsTheLastLoginOfTheUser() {
        server.enqueue(200, '{"status":0,"result":{"items":['
                       + '{"id":1,"userId":7,"method":"login-password","data":{"login":"old@example.com"}},'
                       + '{"id":2,"userId":7,"method":"login-password","data":{"login":"new@example.com"}}]}}', 100)
        editor.loginField.text = ""
        editor.user = { "idd": 7, "name": "Ada Operator" }
        compare(findChild(editor, "userNameLabel").text, "Ada Operator")
        editor.opening()
        verify(editor.loginField.activeFocus)
        tryVerify(function () { return findChild(editor, "loginsBusyIndicator").running })
        tryCompare(editor.loginField, "text", "new@example.com", 3000)
        var body = JSON.parse(server.requests[server.requestCount - 1].body)
        compare(server.requests[server.requestCount - 1].path, "/QuillonService.svc/listLogins")
        compare(body.filter, { "userId": 7, "method": "login-password" })
    }

    function test_lateLoginsKeepWhatWasTyped() {
        server.enqueue(200, '{"status":0,"result":{"items":['
                       + '{"id":2,"userId":7,"method":"login-password","data":{"login":"new@example.com"}}]}}', 300)
        editor.loginField.text = ""
        editor.user = { "idd": 7, "name": "Ada Operator" }
        var answered = createTemporaryQmlObject('import QtTest 1.15; SignalSpy { signalName: "invokedOk" }', editor)
        answered.target = editor.manager.listLogins
        editor.opening()
        keyClick(Qt.Key_A)
        answered.wait(3000)
        compare(editor.loginField.text, "a")
    }

    function test_acceptWritesTheEntity() {
        var login = createTemporaryObject(loginComponent, testCase)
        editor.entity = login
        verify(editor.isNewEntity)
        editor.user = { "idd": 9, "name": "Bo" }
        editor.accept()
        compare(login.method, "login-password")
        compare(login.userId, 9)
        compare(login.data, { "login": "ops@example.com", "password": "12345678" })

        editor.user = null
        editor.accept()
        compare(login.userId, 0)
        compare(LoginDeserializer.jsonEntity(login),
                { "id": "", "userId": 0, "method": "login-password",
                  "data": { "login": "ops@example.com", "password": "12345678" } })
    }

    function typeText(text) {
        for (var i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    // In its dialog: focus on the login field, OK only when every field is acceptable, Enter in
    // the confirmation accepts, Escape closes without accepting.
    function test_inTheEditDialog() {
        var login = createTemporaryObject(loginComponent, testCase)
        var dialog = createTemporaryObject(dialogComponent, testCase)
        var dialogEditor = dialog.entityEditorUi
        dialogEditor.entity = login
        acceptedSpy.target = dialog
        acceptedSpy.clear()
        compare(dialog.title, "Create Login")
        dialog.open()
        tryCompare(dialog, "opened", true)
        tryVerify(function () { return dialogEditor.loginField.activeFocus })
        var ok = dialog.standardButton(Dialog.Ok)
        verify(!ok.enabled)

        typeText("ops@example.com")
        keyClick(Qt.Key_Tab)
        verify(dialogEditor.passwordField.activeFocus)
        typeText("abcdefgh")
        keyClick(Qt.Key_Tab)
        verify(dialogEditor.confirmField.activeFocus)
        typeText("abcdefg")
        verify(!ok.enabled)
        keyClick(Qt.Key_Return)
        compare(acceptedSpy.count, 0)
        typeText("h")
        verify(ok.enabled)
        keyClick(Qt.Key_Return)
        compare(acceptedSpy.count, 1)
        compare(login.data, { "login": "ops@example.com", "password": "abcdefgh" })
        tryCompare(dialog, "visible", false)

        // Closing cleared the editor; Escape leaves without accepting.
        dialogEditor.entity = login
        dialog.open()
        tryCompare(dialog, "opened", true)
        compare(dialogEditor.loginField.text, "")
        keyClick(Qt.Key_Escape)
        tryCompare(dialog, "visible", false)
        compare(acceptedSpy.count, 1)
        acceptedSpy.target = null
    }

    function test_resetEmptiesTheFields() {
        editor.user = { "idd": 9, "name": "Bo" }
        editor.resetRequested()
        compare(editor.user, null)
        compare(editor.loginField.text, "")
        compare(editor.passwordField.text, "")
        compare(editor.confirmField.text, "")
        verify(!editor.isAcceptable)
        compare(findChild(editor, "userNameLabel").text, "N/A")
    }
}
