import QtQuick 2.15
import QtTest 1.15
import Ostrel 1.0
import App.Tasks.TaskEditor 1.0
import "qrc:///App/Tasks/TaskEditor/TaskDataTexts.js" as TaskDataTexts

TestCase {
    id: testCase
    name: "TaskDataTexts"

    Component {
        id: productComponent
        SoftwareProduct {}
    }

    Component {
        id: packageComponent
        SoftwarePackage {}
    }

    function product(codes) {
        var packages = codes === null ? null : codes.map(function (code) {
            return packageComponent.createObject(testCase, { "versionCode": code })
        })
        return productComponent.createObject(testCase, { "name": "Whiteboard", "packageName": "com.example.wb", "packages": packages })
    }

    function test_message() {
        compare(TaskDataTexts.message("Hello \"all\"", "http://pics/x.png"),
                '{"message":"Hello \\"all\\"","image":{"src":"http://pics/x.png"}}')
        // Only a picture: an empty message.
        compare(TaskDataTexts.message("", "http://pics/x.png"), '{"message":"","image":{"src":"http://pics/x.png"}}')
        verify(TaskDataTexts.isMessageAcceptable("", "http://pics/x.png", true))
        verify(!TaskDataTexts.isMessageAcceptable("", "::", false))
        verify(!TaskDataTexts.isMessageAcceptable("", "", false))
        verify(TaskDataTexts.isMessageAcceptable("Hi", "", false))
    }

    function test_softwareUpdate() {
        var chosen = packageComponent.createObject(testCase, { "versionCode": "9" })
        // The latest compares as a number: 10 is newer than 9.
        compare(TaskDataTexts.softwareUpdate(product(["9", "10", "2"]), true, chosen),
                '{"packageName":"com.example.wb","name":"Whiteboard","versionCode":"10"}')
        compare(TaskDataTexts.softwareUpdate(product(["9", "10"]), false, chosen),
                '{"packageName":"com.example.wb","name":"Whiteboard","versionCode":"9"}')
        compare(TaskDataTexts.softwareUpdate(product(null), true, null),
                '{"packageName":"com.example.wb","name":"Whiteboard","versionCode":null}')
        compare(TaskDataTexts.softwareUpdate(null, true, null), '{"packageName":"","name":"","versionCode":null}')
    }

    function test_firmwareUpdate() {
        compare(TaskDataTexts.firmwareUpdate(true, "http://ota/ota", "1200"), "")
        compare(TaskDataTexts.firmwareUpdate(false, "http://ota/ota", "1200"), '{"uri":"http://ota/ota","version":"1200"}')
        compare(TaskDataTexts.firmwareUpdate(false, "http://ota/ota", undefined), '{"uri":"http://ota/ota","version":""}')
    }

    function test_powerManagement() {
        var time = new Date(2021, 11, 29, 7, 30, 5)
        compare(TaskDataTexts.powerManagement(time, "Mon2Fri", Qt.locale("en_US")), '{"t":"07:30:05.055","p":["Mon2Fri"]}')
        compare(TaskDataTexts.disablePowerManagement(new Date(2021, 11, 29, 18, 0, 0), Qt.locale("en_US")),
                '{"t":"18:00:00.000","p":["Everyday"],"e":false}')
    }

    function test_simpleText() {
        compare(TaskDataTexts.simpleText(Tasks.ShowMessage, "Hi"), '{"message":"Hi"}')
        compare(TaskDataTexts.simpleText(Tasks.ShellScript, "reboot"), '{"cmd":"reboot"}')
    }
}
