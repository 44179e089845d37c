import QtQuick 2.15
import Ostrel 1.0

// A task's status as a small coloured circle.
Rectangle {
    id: indicator

    property int status: -1

    implicitWidth: 16
    implicitHeight: 16
    radius: width / 2
    color: {
        switch (status) {
        case Tasks.Pending:
            return palette.mid
        case Tasks.Running:
            return palette.highlight
        case Tasks.Failed:
        case Tasks.Canceled:
            return "#991818"
        case Tasks.Completed:
            return "#0d661a"
        }
        return palette.alternateBase
    }

    SystemPalette {
        id: palette
    }
}
