pragma Singleton
import QtQuick 2.15

// Switch of the offline mode, in which devices and tags come from compiled-in data.
QtObject {
    property bool useMockupDatasets: false
    readonly property int devicesCountLimit: 500

    // The window title tells the operator that the data are not the service's.
    onUseMockupDatasetsChanged: {
        if (typeof appCore !== "undefined" && appCore && appCore.mainWindow)
            appCore.mainWindow.mockups = useMockupDatasets
    }
}
