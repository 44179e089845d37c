import QtQuick 2.15
import QtQuickX 1.0

// A loader whose item reports when its work is done; completing unloads the item.
Loader {
    id: process

    property bool running: active
    property var __pendingResult

    signal completed(var operationResult)

    function complete(operationResult) {
        completed(operationResult)
        active = false
    }

    // Several completions in a short burst end the process once, with the last result.
    function completeLater(operationResult) {
        __pendingResult = operationResult
        __completeDebounce.schedule()
    }

    property Debounce __completeDebounce: Debounce {
        interval: 100
        onTimeout: process.complete(process.__pendingResult)
    }

    active: false
}
