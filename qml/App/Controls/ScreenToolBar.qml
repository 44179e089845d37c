import QtQuick 2.15

// A screen's tool buttons, shown in the main view's tool bar ("toolBar") or its second line
// ("secondaryToolBar") while the screen holds the navigator, that is while it is on top.
Row {
    property var navigator: null
    property string slot: "toolBar"
    readonly property Item host: navigator && navigator.uiContext ? navigator.uiContext[slot] || null : null

    parent: host
    visible: !!host
    height: parent ? parent.height : implicitHeight
}
