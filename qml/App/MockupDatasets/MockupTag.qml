import QtQuick 2.15

// A tag of the offline tag tree, with the members of the tags module's tags.
QtObject {
    property int idd: 0
    property int parentId: 0
    property string name: ""
}
