pragma Singleton
import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuickX 1.0

// Drives the main view's page stack for every screen. The screen on top holds the navigator in
// its "navigator" property; a covered screen holds null, so its tool buttons leave the tool bar.
QmlObject {
    id: navigator

    // Bound by the main view to its stack.
    property bool empty: true
    property int depth: 0
    property Item currentItem: null
    // {toolBar, secondaryToolBar}: the rows screens put their buttons into.
    property var uiContext: ({})

    readonly property string currentItemTitle: currentItem && currentItem.title ? String(currentItem.title) : ""

    signal pushing(var item, var properties, int operation)
    signal pushed(var item, var properties, int operation)
    signal replacing(var target, var item, var properties, int operation)
    signal replaced(var target, var item, var properties, int operation)
    signal popping(var item, int operation)
    signal popped(var item, int operation)

    function push(item, properties, operation) {
        var kind = __operation(operation, StackView.PushTransition)
        __unpublish()
        pushing(item, properties, kind)
        pushed(item, properties, kind)
        __publish()
    }

    function replace(target, item, properties, operation) {
        if (__held(function () { navigator.replace(target, item, properties, operation) }))
            return
        var kind = __operation(operation, StackView.ReplaceTransition)
        __unpublish()
        replacing(target, item, properties, kind)
        replaced(target, item, properties, kind)
        __publish()
    }

    function pop(item, operation) {
        if (__held(function () { navigator.pop(item, operation) }))
            return
        var kind = __operation(operation, StackView.PopTransition)
        __unpublish()
        popping(item, kind)
        popped(item, kind)
        __publish()
    }

    // A screen with edits not stored yet may hold its leaving (holdLeaving(proceed) returns true)
    // and calls proceed once the operator has decided; it is asked again then.
    function __held(proceed) {
        var screen = currentItem
        return !!screen && typeof screen.holdLeaving === "function" && !!screen.holdLeaving(proceed)
    }

    // The signals carry an int, so a missing operation is given its usual transition here.
    function __operation(operation, usual) {
        return operation === undefined || operation === null ? usual : operation
    }

    function __unpublish() {
        if (currentItem && "navigator" in currentItem && currentItem.navigator === navigator)
            currentItem.navigator = null
    }

    function __publish() {
        console.log("Navigator::current:", currentItem)
        if (currentItem && "navigator" in currentItem)
            currentItem.navigator = navigator
    }
}
