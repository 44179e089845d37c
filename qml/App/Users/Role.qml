import QtQuick 2.15

QtObject {
    property int idd: 0
    property string name: ""
}
