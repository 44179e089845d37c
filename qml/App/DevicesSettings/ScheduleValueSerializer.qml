pragma Singleton
import QtQuick 2.15
import Ostrel 1.0

// Service JSON to ScheduleValue; a plan without "e" is switched on.
Component {
    ScheduleValue {
        property var modelData: ({})

        time: IO.timeFromString(modelData && modelData["t"] || "08:00:00")
        period: modelData && modelData["p"] || []
        enabled: !modelData || modelData["e"] === undefined || !!modelData["e"]
    }
}
