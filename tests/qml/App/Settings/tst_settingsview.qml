import QtQuick 2.15
import QtTest 1.15
import Qt.labs.settings 1.1
import App.DataProviders 1.0
import App.Managers 1.0

// The endpoint lists of the settings page: defaults, persistence, typed URIs and refused text.
TestCase {
    id: testCase
    name: "SettingsView"
    when: windowShown
    // Holds the views under test, so it must be shown itself.
    visible: true
    width: 900
    height: 600

    readonly property string inUseUri: "https://in-use.example.com/QuillonService.svc"
    readonly property var defaultServers: [String(Endpoints.productionServiceUri), String(Endpoints.shadowServiceUri),
        String(Endpoints.darkServiceUri), String(Endpoints.serverV2)]

    Settings {
        id: stored
        category: "Endpoints"
    }

    SignalSpy {
        id: loggedOffSpy
        target: AuthManager
        signalName: "loggedOff"
    }

    property var page: null

    function openPage() {
        var component = Qt.createComponent("qrc:///App/Settings/Ui/SettingsView.qml")
        compare(component.status, Component.Ready, component.errorString())
        page = createTemporaryObject(component, testCase, { "width": testCase.width, "height": testCase.height })
        verify(page)
        return page
    }

    function storedList(key) {
        var text = stored.value(key, "")
        return text ? JSON.parse(text) : null
    }

    function typeAndConfirm(field, text) {
        var editor = field.comboBox.contentItem
        editor.forceActiveFocus()
        tryVerify(function () { return editor.activeFocus })
        editor.selectAll()
        keyClick(Qt.Key_Delete)
        if (text)
            typeText(text)
        compare(field.comboBox.editText, text)
        keyClick(Qt.Key_Return)
    }

    function typeText(text) {
        for (var i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    function init() {
        stored.setValue("serverUris", "")
        stored.setValue("otaUris", "")
        stored.setValue("storeUris", "")
        Endpoints.serviceUri = inUseUri
        loggedOffSpy.clear()
    }

    function test_firstOpeningStoresTheDefaultLists() {
        var page = openPage()
        compare(page.serverField.uris, defaultServers)
        compare(page.otaField.uris, [String(Endpoints.brannockOtaUri), String(Endpoints.brannockOtaTest)])
        compare(page.storeField.uris, [String(Endpoints.storeBrannockUri)])
        tryVerify(function () { return storedList("serverUris") !== null }, 3000)
        compare(storedList("serverUris"), defaultServers)
        compare(storedList("otaUris").length, 2)
        compare(storedList("storeUris"), [String(Endpoints.storeBrannockUri)])
    }

    function test_storedListText_data() {
        return [
            { tag: "empty array", text: "[]", expected: defaultServers },
            { tag: "not JSON", text: "[\"https://a.example.com\"", expected: defaultServers },
            { tag: "not a list", text: "{\"a\": 1}", expected: defaultServers },
            { tag: "stored list", text: "[\"https://a.example.com/s.svc\"]", expected: ["https://a.example.com/s.svc"] }
        ]
    }

    function test_storedListText(data) {
        stored.setValue("serverUris", data.text)
        var page = openPage()
        compare(page.serverField.uris, data.expected)
    }

    function test_endpointOutsideTheListStillShows() {
        var page = openPage()
        // Offered after the list, as one given on the command line is.
        compare(page.serverField.comboBox.currentIndex, 4)
        compare(page.serverField.comboBox.model[4], inUseUri)
        compare(page.serverField.comboBox.editText, inUseUri)
        Endpoints.serviceUri = defaultServers[2]
        compare(page.serverField.comboBox.currentIndex, 2)
        compare(page.serverField.comboBox.editText, defaultServers[2])
    }

    function test_choosingAnEntrySetsTheEndpoint() {
        var page = openPage()
        page.serverField.comboBox.activated(1)
        compare(String(Endpoints.serviceUri), defaultServers[1])
        page.otaField.comboBox.activated(1)
        compare(String(Endpoints.otaUri), String(Endpoints.brannockOtaTest))
    }

    function test_typedUriIsAppendedChosenAndStored() {
        var page = openPage()
        typeAndConfirm(page.serverField, "127.0.0.1:8765/QuillonService.svc")
        var typed = "http://127.0.0.1:8765/QuillonService.svc"
        compare(String(Endpoints.serviceUri), typed)
        compare(page.serverField.uris, defaultServers.concat([typed]))
        compare(page.serverField.comboBox.currentIndex, 4)
        verify(!page.serverField.hint.visible)
        tryVerify(function () { var l = storedList("serverUris"); return l && l.length === 5 }, 3000)
        compare(storedList("serverUris")[4], typed)

        // The same URI again is not listed twice.
        typeAndConfirm(page.serverField, typed)
        compare(page.serverField.uris.length, 5)
        compare(page.serverField.comboBox.count, 5)

        typeAndConfirm(page.storeField, "https://store.local/software/store")
        compare(String(Endpoints.storeUri), "https://store.local/software/store")
    }

    function test_refusedTextKeepsTheEndpoint_data() {
        return [
            { tag: "empty", text: "" },
            { tag: "blanks in the host", text: "not a uri" },
            { tag: "another scheme", text: "ftp://files.example.com/svc" },
            { tag: "local path", text: "/tmp/QuillonService.svc" },
            { tag: "no host", text: "http://" }
        ]
    }

    // Typed text that is not an address must not clear the service URI (which would log off).
    function test_refusedTextKeepsTheEndpoint(data) {
        var page = openPage()
        var field = page.serverField
        typeAndConfirm(field, data.text)
        compare(String(Endpoints.serviceUri), inUseUri)
        compare(loggedOffSpy.count, 0)
        compare(field.uris, defaultServers)
        verify(field.hint.visible)
        verify(field.hint.text.length > 0)
        compare(field.comboBox.editText, data.text)

        typeAndConfirm(field, "https://fixed.example.com/QuillonService.svc")
        verify(!field.hint.visible)
        compare(String(Endpoints.serviceUri), "https://fixed.example.com/QuillonService.svc")
    }
}
