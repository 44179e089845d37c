import QtQuick 2.15
import QtQuickX 1.0
import App.Devices 1.0

// One queued task with the devices it is meant for.
QmlObject {
    property DevicesFilter targetSelection: null
    property Task task: null
}
