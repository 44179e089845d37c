import QtQuick 2.15
import QtQuickX 1.0

// Native text rendering reads better while a control is enabled, but greyed-out text looks
// smeared with it: the icon label's text items switch to Qt's renderer while disabled.
// Their text is also plain: a button or list row may show a name from the service, and the
// icon label would otherwise draw markup in it.
QtObject {
    id: patcher

    property Item target: null
    property bool enabled: true

    // The icon label's text is a private type whose properties scripts cannot see, so it is
    // recognised by class and written through the native property system.
    function hasRenderType(item) {
        return item.renderType !== undefined || QmlX.instanceOf(item, "QQuickText", true)
                || QmlX.instanceOf(item, "QQuickTextInput", true)
                || QmlX.instanceOf(item, "QQuickTextEdit", true)
    }

    function apply() {
        if (!target)
            return
        var renderType = enabled ? Text.NativeRendering : Text.QtRendering
        var patched = 0
        var children = target.children
        for (var i = 0; i < children.length && patched < 2; ++i) {
            if (!hasRenderType(children[i]))
                continue
            QmlX.writeProperty(children[i], "renderType", renderType, QmlX.DontRemoveBinding)
            if (QmlX.instanceOf(children[i], "QQuickText", true))
                QmlX.writeProperty(children[i], "textFormat", Text.PlainText, QmlX.DontRemoveBinding)
            ++patched
        }
    }

    onTargetChanged: apply()
    onEnabledChanged: apply()
    Component.onCompleted: apply()

    // The icon label creates its text item only once it has a text.
    readonly property Connections childrenWatcher: Connections {
        target: patcher.target
        function onChildrenChanged() { patcher.apply() }
    }
}
