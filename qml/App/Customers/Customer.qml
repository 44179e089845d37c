import QtQuick 2.15

// A location of the service; ownerId names the parent location, 0 for a root, and idd 0 marks
// a location not stored yet.
QtObject {
    property int idd: -1
    property string name: ""
    property string domain: ""
    property int ownerId: 0
    property bool archived: false
}
