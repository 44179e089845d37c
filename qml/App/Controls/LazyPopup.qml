import QtQuick 2.15

// A pop-up made on its first opening and kept after: a screen with costly dialogs (task editors,
// calendars) opens without building them. Fills its parent, so the pop-up sizes and centres on it.
Loader {
    id: loader

    function open() {
        active = true
        item.open()
    }

    // The pop-up, made if need be, for settings that must precede open().
    function make() {
        active = true
        return item
    }

    function close() {
        if (item)
            item.close()
    }

    anchors.fill: parent
    active: false
}
