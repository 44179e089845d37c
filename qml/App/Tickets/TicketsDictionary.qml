pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0

// An application-wide ticket list, listed again after tickets were cancelled or restarted.
QmlObject {
    id: dictionary

    readonly property TicketsManager manager: TicketsManager {}

    Component.onCompleted: {
        var changes = [manager.cancelTickets, manager.restartTickets]
        for (var i = 0; i < changes.length; ++i)
            changes[i].invoked.connect(function () { manager.listTickets.invoke() })
    }
}
