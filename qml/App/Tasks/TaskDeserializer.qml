pragma Singleton
import QtQuick 2.15
import Entities 1.0
import "qrc:///Entities/WireDates.js" as WireDates

// Task to service JSON; an invalid date leaves its key out.
EntityDeserializer {
    function jsonEntity(task) {
        return {
            "vf": WireDates.toTimeZoneString(task.validFrom),
            "vt": WireDates.toTimeZoneString(task.validTo),
            "t": task.type,
            "d": task.taskData,
            "dsp": task.dispersion
        }
    }

    // A new task without parent holding the same values.
    function clone(task) {
        var names = ["idd", "validFrom", "validTo", "createdAt", "createdUserId", "type", "status",
                     "taskData", "dispersion", "succeededCount", "failedCount", "pendingCount"]
        var values = {}
        names.forEach(function (name) { values[name] = task[name] })
        return taskComponent.createObject(null, values)
    }

    property Component taskComponent: Component {
        Task {}
    }
}
