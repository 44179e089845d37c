import QtQuick 2.15

// Creates a chart inside its page rather than as the page's own child, which keeps closing the
// page from crashing; computes it once a second after creation and after each recompute().
Loader {
    id: loader

    property int computeDelay: 1000

    signal computeRequested(var chart)

    function recompute() {
        timer.restart()
    }

    Timer {
        id: timer
        interval: loader.computeDelay
        running: true
        onTriggered: {
            if (loader.item)
                loader.computeRequested(loader.item)
        }
    }
}
