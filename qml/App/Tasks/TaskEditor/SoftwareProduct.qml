import QtQuick 2.15

// A product of the software store with its published packages.
QtObject {
    property string idd: ""
    property string name: ""
    property string packageName: ""
    property var packages: []
}
