import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// Base of every entity editor; EditEntityDialog hosts it and forwards its own events.
QQC2.Pane {
    id: editor

    signal accept()
    signal opened()
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
        if (editor.entity === undefined || !clearDataAfterClose)
            return
        editor.entity = null
        resetRequested()
    }
}
