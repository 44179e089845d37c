pragma Singleton
import QtQuick 2.15

// Service JSON to PowerScheduleValue.
Component {
    PowerScheduleValue {
        property var modelData: ({})

        action: modelData && modelData["action"] || ""
        plan: ScheduleValueSerializer.createObject(null, {
            "modelData": modelData && modelData["plan"] || {}
        })
    }
}
