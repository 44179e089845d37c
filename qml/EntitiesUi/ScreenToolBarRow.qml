import QtQuick 2.15

// A screen's buttons in one of the main view's tool-bar rows ("toolBar" or "secondaryToolBar").
// They are there only while the screen holds the navigator, that is while it is current.
Row {
    property var navigator: null
    property string place: "toolBar"

    parent: navigator && navigator.uiContext ? navigator.uiContext[place] || null : null
    visible: !!parent
    height: parent ? parent.height : implicitHeight
    spacing: 4
}
