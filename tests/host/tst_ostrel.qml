import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import QtQuickX 1.0
import "qrc:///App/App.js" as AppScript

TestCase {
    name: "Ostrel"

    function test_applicationIsUncreatable() {
        var failed = false
        try {
            Qt.createQmlObject("import Ostrel 1.0; Application { }", this)
        } catch (error) {
            failed = true
            compare(error.qmlErrors[0].message, "use core")
        }
        verify(failed)
    }

    function test_enumHoldersAreCreatable() {
        verify(Qt.createQmlObject("import Ostrel 1.0; ResponseStatus { }", this))
        verify(Qt.createQmlObject("import Ostrel 1.0; Role { }", this))
        verify(Qt.createQmlObject("import Ostrel 1.0; Tasks { }", this))
    }

    function test_enumValues() {
        compare(ResponseStatus.Ok, 0)
        compare(ResponseStatus.Unauthentificated, 2)
        compare(ResponseStatus.WrongContext, 7)
        compare(Role.God, 0)
        compare(Role.LocalAdministrator, 5)
        compare(Role.SessionCleaner, 7)
        compare(Tasks.DisablePowerManagement, 8)
        compare(Tasks.Canceled, 3)
        compare(Tasks.Failed, 4)
        compare(LoginInfo.Authorized, 3)
    }

    function test_ioSingleton() {
        compare(IO.setFileName("file:///tmp/folder/", "init-config.json").toString(),
                "file:///tmp/folder/init-config.json")
        verify(IO.defaultDocumentsDirectory.toString().indexOf("file://") === 0)
    }

    function test_loginCredentialsDefaults() {
        var credentials = Qt.createQmlObject("import Ostrel 1.0; LoginCredentials { }", this)
        compare(credentials.method, credentials.methodLoginPass)
    }

    function test_uiSizesIsProcessWide() {
        verify(UiSizes.textNormal > 0)
        compare(UiSizes.evenSpacing, 2 * UiSizes.halfSpacing)
        compare(UiSizes.uiDensity, UiSizes.nativeUiDensity)
    }

    function test_appScript() {
        verify(AppScript.isObject({}))
        verify(!AppScript.isObject(null))
        verify(!AppScript.isObject(undefined))
        verify(!AppScript.isObject("text"))
    }
}
