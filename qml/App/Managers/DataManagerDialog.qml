import QtQuick 2.15
import QtQuick.Dialogs 1.3
import Ostrel 1.0

// The file and folder dialog of DataManager.
FileDialog {
    property QtObject manager: null

    nameFilters: [qsTr("Configuration files (*.json)"), qsTr("All files (*)")]
    selectFolder: manager ? manager.isSaveDlg : false
    selectExisting: true
    onAccepted: {
        DialogFolders.remember("configuration", fileUrl)
        if (manager.isSaveDlg)
            manager.write(fileUrl)
        else
            manager.read(fileUrl)
    }
    onRejected: console.log("DataManager::FD::onRejected")
}
