import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import QtQuickX 1.0

// Base of every entity editor; EditEntityDialog hosts it and forwards its own events.
QQC2.Pane {
    id: editor

    signal accept()
    // The dialog starts to open: the editor shows its entity now, before the opening animation,
    // so that nothing typed during the animation is overwritten.
    signal opening()
    signal closed()
    signal resetRequested()
    signal apply()
    signal acceptCloseRequested()

    property bool isAppliable: false
    property bool isAcceptable: false
    property bool clearDataAfterClose: true
    property bool lastPage: true

    // Derived editors declare the entity; without one there is nothing to drop.
    function reset() {
        if (!("entity" in editor) || !clearDataAfterClose)
            return
        // A screen may have bound the entity: the binding stays.
        QmlX.writeProperty(editor, "entity", null, QmlX.DontRemoveBinding)
        resetRequested()
    }
}
