import QtQuick 2.15

// A named label in the tag tree; parentId 0 marks a root tag.
QtObject {
    property int idd: 0
    property int parentId: 0
    property string name: ""
}
