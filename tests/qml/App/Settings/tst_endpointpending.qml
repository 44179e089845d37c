import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import Qt.labs.settings 1.1
import App.DataProviders 1.0
import App.Navigation 1.0
import App.Views 1.0

// An address typed on the settings page but not confirmed with Enter is not silently dropped:
// leaving the field or the page applies it; an address in use is offered, and listed once.
TestCase {
    id: testCase
    name: "EndpointPending"
    when: windowShown
    visible: true
    width: 1100
    height: 700

    readonly property string inUseUri: "https://in-use.example.com/QuillonService.svc"

    Settings {
        id: stored
        category: "Endpoints"
    }

    MainView {
        id: mainView
        anchors.fill: parent
    }

    property var page: null

    function settle() {
        tryCompare(findChild(mainView, "pageStack"), "busy", false, 2000)
    }

    function typeText(text) {
        for (var i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    function typeInto(field, text) {
        var editor = field.comboBox.contentItem
        editor.forceActiveFocus()
        tryVerify(function () { return editor.activeFocus })
        editor.selectAll()
        keyClick(Qt.Key_Delete)
        typeText(text)
    }

    function init() {
        stored.setValue("serverUris", "")
        stored.setValue("otaUris", "")
        Endpoints.serviceUri = inUseUri
        settle()
        Navigator.replace(null, "qrc:///App/Views/LoginView.qml", {}, StackView.Immediate)
        Navigator.push("qrc:///App/Settings/Ui/SettingsView.qml", {}, StackView.Immediate)
        page = Navigator.currentItem
        compare(page.objectName, "settingsView")
    }

    function test_typedAddressIsAppliedWhenTheFieldIsLeft() {
        typeInto(page.serverField, "https://typed.example.com/QuillonService.svc")
        keyClick(Qt.Key_Tab)
        compare(String(Endpoints.serviceUri), "https://typed.example.com/QuillonService.svc")
        verify(page.serverField.uris.indexOf("https://typed.example.com/QuillonService.svc") >= 0)
    }

    function test_typedAddressIsAppliedWhenThePageIsLeft() {
        typeInto(page.otaField, "https://ota.example.com/ota")
        Navigator.pop()
        settle()
        compare(Navigator.depth, 1)
        compare(String(Endpoints.otaUri), "https://ota.example.com/ota")
    }

    function test_addressInUseIsOfferedAndListedOnce() {
        var combo = page.serverField.comboBox
        var offered = []
        for (var i = 0; i < combo.count; ++i)
            offered.push(combo.textAt(i))
        verify(offered.indexOf(inUseUri) >= 0, JSON.stringify(offered))
        var listed = page.serverField.uris.length
        typeInto(page.serverField, String(Endpoints.productionServiceUri))
        keyClick(Qt.Key_Return)
        compare(page.serverField.uris.length, listed)
    }
}
