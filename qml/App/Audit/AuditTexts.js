.pragma library

// Readable sentences for audit records: "Mia Admin, as Otto Office, archived user 'Tim Test' — done",
// "3 failed sign-ins for admin@example.com from 127.0.0.1".

// The methods the service records, for the method filter.
var recordedMethods = ["addCustomer", "updateCustomer", "addUser", "updateUser", "addLogin", "addTag",
                       "updateTag", "deleteTag", "tagDevices", "updateDevice", "unbindDevice",
                       "writeSettings", "syncSetting", "addTask", "cancelTask", "restartTask",
                       "addRollout", "pauseRollout", "resumeRollout", "abortRollout", "startNextGroup",
                       "cancelTickets", "restartTickets", "createRoleSession", "login", "logoff"]

var kindNames = {
    "location": qsTr("location"),
    "user": qsTr("user"),
    "login": qsTr("login of user"),
    "tag": qsTr("tag"),
    "device": qsTr("device"),
    "settings": qsTr("settings of devices"),
    "task": qsTr("task"),
    "ticket": qsTr("tickets"),
    "roleSession": qsTr("role session token"),
    "rollout": qsTr("rollout"),
    "session": qsTr("session")
}

var actionVerbs = {
    "add": qsTr("added"),
    "update": qsTr("changed"),
    "archive": qsTr("archived"),
    "disable": qsTr("disabled"),
    "delete": qsTr("deleted"),
    "set": qsTr("set the password of the"),
    "tag": qsTr("tagged"),
    "unbind": qsTr("unbound"),
    "write": qsTr("wrote"),
    "sync": qsTr("synchronised"),
    "cancel": qsTr("cancelled"),
    "restart": qsTr("restarted"),
    "create": qsTr("created"),
    "pause": qsTr("paused"),
    "resume": qsTr("resumed"),
    "abort": qsTr("aborted"),
    "start next group": qsTr("started the next group of")
}

function outcome(record) {
    return record.status === 0 ? qsTr("done") : qsTr("failed (status %1)").arg(record.status)
}

function who(record) {
    var actor = record.actorName || (record.actorId ? qsTr("user %1").arg(record.actorId) : qsTr("Somebody"))
    if (!record.contextUserId)
        return actor
    var context = record.contextUserName || qsTr("user %1").arg(record.contextUserId)
    return qsTr("%1, as %2,").arg(actor).arg(context)
}

function target(record) {
    var kind = kindNames[record.kind] || record.kind
    if (record.entityName)
        return qsTr("%1 '%2'").arg(kind).arg(record.entityName)
    if (record.entityIds && record.entityIds.length === 1)
        return qsTr("%1 %2").arg(kind).arg(record.entityIds[0])
    if (record.entityIds && record.entityIds.length > 1)
        return qsTr("%1 %2").arg(kind).arg(record.entityIds.join(", "))
    return kind
}

function reach(record) {
    return record.reached >= 0 ? qsTr(" (%n device(s))", "", record.reached) : ""
}

function isFailedSignIn(record) {
    return record.action === "sign-in" && record.status !== 0
}

// The rows of a page: each record on its own, except that failed sign-ins one after the other
// for the same login from the same address make one row ({"idd", "record": the newest, "count"}).
function rows(records) {
    var result = []
    for (var i = 0; i < records.length; ++i) {
        var record = records[i]
        var last = result.length ? result[result.length - 1] : null
        if (last && isFailedSignIn(record) && isFailedSignIn(last.record)
                && record.subject === last.record.subject && record.clientAddress === last.record.clientAddress)
            ++last.count
        else
            result.push({ "idd": record.idd, "record": record, "count": 1 })
    }
    return result
}

// count: how many failed sign-ins the row stands for.
function sentence(record, count) {
    if (!record)
        return ""
    switch (record.action) {
    case "sign-in":
        if (record.status !== 0 && count > 1)
            return qsTr("%1 failed sign-ins for %2 from %3").arg(count)
                                                           .arg(record.subject || qsTr("an unknown login"))
                                                           .arg(record.clientAddress || qsTr("an unknown address"))
        if (record.status !== 0)
            return qsTr("Failed sign-in for %1 from %2").arg(record.subject || qsTr("an unknown login"))
                                                       .arg(record.clientAddress || qsTr("an unknown address"))
        return qsTr("%1 signed in from %2").arg(who(record)).arg(record.clientAddress || qsTr("an unknown address"))
    case "log-off":
        return qsTr("%1 logged off").arg(who(record))
    case "switch context":
        return qsTr("%1 switched into the context of %2 — %3")
            .arg(record.actorName || qsTr("Somebody"))
            .arg(record.contextUserName || qsTr("user %1").arg(record.contextUserId))
            .arg(outcome(record))
    }
    var verb = actionVerbs[record.action] || record.action
    return qsTr("%1 %2 %3%4 — %5").arg(who(record)).arg(verb).arg(target(record)).arg(reach(record)).arg(outcome(record))
}
