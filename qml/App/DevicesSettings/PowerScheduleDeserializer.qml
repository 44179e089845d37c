pragma Singleton
import QtQuick 2.15
import Entities 1.0

// A list of PowerScheduleValue to the JSON text of the "power.schedule" setting.
EntityDeserializer {
    function jsonEntity(list) {
        var entries = (list || []).map(function (entry) {
            return {
                "action": entry.action || "",
                "plan": ScheduleValueDeserializer.jsonEntity(entry.plan)
            }
        })
        return JSON.stringify(entries)
    }
}
