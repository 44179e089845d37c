import QtQuick 2.15
import QtTest 1.15
import QtQuickX 1.0
import Ostrel 1.0
import App.Managers 1.0

TestCase {
    name: "DataManager"

    readonly property url folder: IO.setFileName(IO.defaultDocumentsDirectory, "flash-drive")

    function test_saveStartsTheFolderDialog() {
        DataManager.save({ "role": 2 }, "init-config.json")
        verify(DataManager.isSaveDlg)
        verify(DataManager.dialog.selectFolder)
        compare(DataManager.fileName, "init-config.json")
        compare(DataManager.jSONDataObject.role, 2)
        DataManager.dialog.close()
    }

    function test_writeIntoFolderAndReadBack() {
        var token = { "uri": "http://127.0.0.1:8765/QuillonService.svc", "token": "abc", "role": 1 }
        DataManager.jSONDataObject = token
        DataManager.fileName = "init-config.json"
        verify(DataManager.write(folder))
        var file = IO.setFileName(folder, "init-config.json")
        compare(String(LocalIO.readFileText(file)), JSON.stringify(token))

        DataManager.jSONDataObject = null
        DataManager.read(file)
        compare(DataManager.jSONDataObject, token)
        compare(DataManager.rawData, JSON.stringify(token))
    }

    function test_badJsonKeepsThePreviousObject() {
        var previous = { "kept": true }
        DataManager.jSONDataObject = previous
        var file = IO.setFileName(folder, "broken.json")
        verify(LocalIO.writeWholeFile(file, "{ not json"))
        DataManager.read(file)
        compare(DataManager.rawData, "{ not json")
        verify(DataManager.jSONDataObject === previous)
    }
}
