import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import App.Audit 1.0
import "../AuditTexts.js" as AuditTexts

// The criteria of the activity list: who acted, what kind of entity, which method, how it
// ended, how far back.
RowLayout {
    id: bar

    property AuditFilter filter: null

    spacing: 12

    function __choose(box, value) {
        for (var i = 0; i < box.model.length; ++i)
            if (box.model[i].value === value)
                return i
        return 0
    }

    ActivityActorFilter {
        objectName: "activityActorFilter"
        Layout.preferredWidth: 220
        filter: bar.filter
    }

    ComboBox {
        objectName: "activityKindFilter"
        textRole: "text"
        valueRole: "value"
        Layout.preferredWidth: 200
        model: [
            { "text": qsTr("Everything"), "value": "" },
            { "text": qsTr("Sign-ins and sessions"), "value": "session" },
            { "text": qsTr("Users"), "value": "user" },
            { "text": qsTr("Logins"), "value": "login" },
            { "text": qsTr("Locations"), "value": "location" },
            { "text": qsTr("Tags"), "value": "tag" },
            { "text": qsTr("Devices"), "value": "device" },
            { "text": qsTr("Device settings"), "value": "settings" },
            { "text": qsTr("Tasks"), "value": "task" },
            { "text": qsTr("Tickets"), "value": "ticket" },
            { "text": qsTr("Role session tokens"), "value": "roleSession" },
            { "text": qsTr("Rollouts"), "value": "rollout" }
        ]
        currentIndex: bar.filter ? bar.__choose(this, bar.filter.kind) : 0
        onActivated: bar.filter.kind = currentValue
    }

    ComboBox {
        objectName: "activityMethodFilter"
        textRole: "text"
        valueRole: "value"
        Layout.preferredWidth: 200
        model: [{ "text": qsTr("Any method"), "value": "" }].concat(AuditTexts.recordedMethods.map(function (method) {
            return { "text": method, "value": method }
        }))
        currentIndex: bar.filter ? bar.__choose(this, bar.filter.method) : 0
        onActivated: bar.filter.method = currentValue
    }

    ComboBox {
        objectName: "activityOutcomeFilter"
        textRole: "text"
        valueRole: "value"
        Layout.preferredWidth: 160
        model: [
            { "text": qsTr("Any outcome"), "value": "" },
            { "text": qsTr("Done"), "value": "ok" },
            { "text": qsTr("Failed"), "value": "failed" }
        ]
        currentIndex: bar.filter ? bar.__choose(this, bar.filter.outcome) : 0
        onActivated: bar.filter.outcome = currentValue
    }

    ComboBox {
        objectName: "activityPeriodFilter"
        textRole: "text"
        valueRole: "value"
        Layout.preferredWidth: 160
        model: [
            { "text": qsTr("All time"), "value": 0 },
            { "text": qsTr("Last 24 hours"), "value": 1 },
            { "text": qsTr("Last 7 days"), "value": 7 },
            { "text": qsTr("Last 30 days"), "value": 30 }
        ]
        currentIndex: bar.filter ? bar.__choose(this, bar.filter.lastDays) : 0
        onActivated: bar.filter.lastDays = currentValue
    }
}
