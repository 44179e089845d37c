import QtQuick 2.15
import QtQuickX 1.0

// A firmware the service knows, offered by the device filter.
QmlObject {
    property string idd: "0"
    property string name: ""
}
