pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0
import App.Devices 1.0
import App.Managers 1.0
import App.Tags 1.0

// The application-wide task state; the device filter is shared by the devices screen and task
// creation.
QmlObject {
    id: dictionary

    readonly property DevicesFilter devicesFilter: DevicesFilter {}

    Component.onCompleted: {
        AuthManager.loggedOff.connect(devicesFilter.reset)
        // A deleted tag may be one the filter asks for; invokedOk and invokedFail together
        // report every finished call once.
        TagsDictionary.manager.deleteTag.invokedOk.connect(devicesFilter.reset)
        TagsDictionary.manager.deleteTag.invokedFail.connect(devicesFilter.reset)
    }
}
