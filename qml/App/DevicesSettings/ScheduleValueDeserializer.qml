pragma Singleton
import QtQuick 2.15
import Entities 1.0

// ScheduleValue to service JSON.
EntityDeserializer {
    // Devices read "t" as hours, minutes, seconds and milliseconds.
    function timeText(time) {
        if (!(time instanceof Date) || isNaN(time.getTime()))
            return null
        return Qt.formatTime(time, "hh:mm:ss.zzz")
    }

    function jsonEntity(plan) {
        if (!plan)
            return { "t": null, "p": [], "e": true }
        return {
            "t": timeText(plan.time),
            "p": plan.period || [],
            "e": plan.enabled
        }
    }
}
