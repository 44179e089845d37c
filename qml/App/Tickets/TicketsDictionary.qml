pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0

// An application-wide ticket list, listed again whenever cancelling or restarting tickets has
// finished, answered or not.
QmlObject {
    id: dictionary

    readonly property TicketsManager manager: TicketsManager {}

    function __relist() {
        manager.listTickets.invoke()
    }

    Component.onCompleted: {
        var changes = [manager.cancelTickets, manager.restartTickets]
        for (var i = 0; i < changes.length; ++i) {
            changes[i].invokedOk.connect(__relist)
            changes[i].invokedFail.connect(__relist)
        }
    }
}
