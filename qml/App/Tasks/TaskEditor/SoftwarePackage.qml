import QtQuick 2.15

// One published version of a store product.
QtObject {
    property string versionCode: ""
    property string versionName: ""
    property string whatsNew: ""
    property string osName: ""
    property string minOsVersion: ""
    property string minFirmwareVersion: ""
}
