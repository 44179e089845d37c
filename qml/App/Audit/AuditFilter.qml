import QtQuick 2.15
import App.Filter 1.0

// Criteria of the audit trail; every change is reported at once.
Filter {
    // An entity kind ("user", "device", ...) or empty for all.
    property string kind: ""
    // "ok", "failed" or empty for both.
    property string outcome: ""
    property string method: ""
    property string actorId: ""
    // Records of the last so many days; 0 for all.
    property int lastDays: 0

    function reset() {
        kind = ""
        outcome = ""
        method = ""
        actorId = ""
        lastDays = 0
    }

    onKindChanged: filterChanged()
    onOutcomeChanged: filterChanged()
    onMethodChanged: filterChanged()
    onActorIdChanged: filterChanged()
    onLastDaysChanged: filterChanged()
}
