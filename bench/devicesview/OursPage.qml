import QtQuick 2.15
import App.DataProviders 1.0
import App.Devices.Ui 1.0
import App.Managers 1.0

// The console's devices screen as a page of the window, signed in with the given session.
Item {
    id: page

    property string serviceUri
    property string token
    // Counts the device lists that reached the screen (first pages and further pages).
    property int rowsGeneration: 0
    readonly property int rows: view.devicesList.count

    function changeFilter(online) {
        view.filter.onlineOnly = online
    }

    function loadNextPage() {
        view.devicesList.list.positionViewAtEnd()
    }

    width: 1280
    height: 800

    ManageDevicesView {
        id: view
        anchors.fill: parent
    }

    Connections {
        target: view.manager
        function onPageLoaded() { page.rowsGeneration += 1 }
    }

    Component.onCompleted: {
        Endpoints.serviceUri = serviceUri
        AuthManager.currentLoginInfo.sessionToken = token
    }
}
