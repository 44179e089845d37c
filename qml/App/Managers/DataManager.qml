pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0

// Writes an object as JSON into a folder the operator picks, or reads one from a file.
QtObject {
    id: dataManager

    property string rawData: ""
    property var jSONDataObject: null
    property bool isSaveDlg: false
    property string fileName: "init-config.json"

    // Made on first use: the dialogs module is large, and most runs never open it.
    property QtObject dialog: null

    // After every write into a chosen folder: the file written and whether it was.
    signal saved(url fileUrl, bool ok)

    function open() {
        isSaveDlg = false
        __openDialog()
    }

    function save(fileData, proposedFileName) {
        isSaveDlg = true
        jSONDataObject = fileData
        if (proposedFileName)
            fileName = proposedFileName
        __openDialog()
    }

    function __openDialog() {
        if (!dialog) {
            var component = Qt.createComponent("qrc:/App/Managers/DataManagerDialog.qml")
            dialog = component.createObject(dataManager, { "manager": dataManager })
            if (!dialog) {
                console.error("DataManager: no dialog:", component.errorString())
                return
            }
        }
        // Made once: each opening starts where the last choice was made.
        dialog.folder = DialogFolders.startFolder("configuration")
        dialog.open()
    }

    function read(uri) {
        rawData = LocalIO.readStringData(uri)
        try {
            jSONDataObject = JSON.parse(rawData)
        } catch (e) {
            console.log("DataManager::json.parse::", e)
        }
    }

    function write(uri) {
        rawData = JSON.stringify(jSONDataObject)
        var file = IO.setFileName(uri, fileName)
        // What it writes is a configuration with a session token: the owner's alone.
        var result = LocalIO.writePrivateFile(file, rawData)
        console.log("Result - " + result + " File " + fileName + " write attempt into " + uri)
        saved(file, result)
        return result
    }
}
