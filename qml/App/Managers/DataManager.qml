pragma Singleton
import QtQuick 2.15
import QtQuick.Dialogs 1.3
import QtQuickX 1.0
import Ostrel 1.0

// Writes an object as JSON into a folder the operator picks, or reads one from a file.
QtObject {
    id: dataManager

    property string rawData: ""
    property var jSONDataObject: null
    property bool isSaveDlg: false
    property string fileName: "init-config.json"

    property FileDialog dialog: FileDialog {
        nameFilters: [qsTr("Configuration files (*.json)"), qsTr("All files (*)")]
        folder: IO.defaultDocumentsDirectory
        selectFolder: dataManager.isSaveDlg
        selectExisting: true
        onAccepted: {
            if (dataManager.isSaveDlg)
                dataManager.write(fileUrl)
            else
                dataManager.read(fileUrl)
        }
        onRejected: console.log("DataManager::FD::onRejected")
    }

    function open() {
        isSaveDlg = false
        dialog.open()
    }

    function save(fileData, proposedFileName) {
        isSaveDlg = true
        jSONDataObject = fileData
        if (proposedFileName)
            fileName = proposedFileName
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
        var result = LocalIO.writeWholeFile(IO.setFileName(uri, fileName), rawData)
        console.log("Result - " + result + " File " + fileName + " write attempt into " + uri)
        return result
    }
}
