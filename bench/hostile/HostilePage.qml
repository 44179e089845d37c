import QtQuick 2.15
import Ostrel 1.0
import App.Customers 1.0
import App.DataProviders 1.0
import App.Managers 1.0
import App.Tags 1.0
import App.Tasks 1.0
import App.Users 1.0

// One administration screen as a page of the window, signed in with a scripted service.
Item {
    id: page

    property string serviceUri
    property url screen

    readonly property Item view: loader.item

    // Asks the screen's list again, as the screen would on the operator's request.
    function reload(list) {
        switch (list) {
        case "users":
            UsersDictionary.manager.listUsers.invoke()
            break
        case "locations":
            CustomersDictionary.manager.listCustomers.invoke()
            break
        case "tags":
            TagsDictionary.manager.listTags.invoke()
            break
        case "tasks":
            TasksDictionary.manager.listTasks.invoke()
            break
        case "devices":
            view.manager.reload()
            break
        }
    }

    width: 1280
    height: 800

    Loader {
        id: loader
        anchors.fill: parent
        active: false
        source: page.screen
    }

    Component.onCompleted: {
        Endpoints.serviceUri = serviceUri
        AuthManager.currentLoginInfo.role = Role.God
        AuthManager.currentLoginInfo.sessionToken = "bench-hostile"
        loader.active = true
    }
}
