pragma Singleton
import QtQuick 2.15
import QtQuickX 1.0

// Text form of a LoginInfo, kept in the "session" settings between runs.
QtObject {
    readonly property var __numericKeys: ["status", "role", "userId"]
    readonly property var __dateKeys: ["validFrom", "validTo", "createdAt", "unusedExpiredAt"]

    // ISO 8601 local date and time followed by the local UTC offset at that date.
    function dateText(value) {
        if (!value || isNaN(value.getTime()))
            return ""
        var offsetSeconds = -value.getTimezoneOffset() * 60
        return DateTimeOffset.of(value).toString()
                + DateTimeOffset.timeZoneUtcOffSet(offsetSeconds).substring(3)
    }

    function jsonEntity(info) {
        return {
            "sessionToken": info.sessionToken || "",
            "status": info.status || "",
            "validFrom": dateText(info.validFrom),
            "validTo": dateText(info.validTo),
            "createdAt": dateText(info.createdAt),
            "unusedExpiredAt": dateText(info.unusedExpiredAt),
            "role": info.role || "",
            "notes": info.notes || "",
            "userId": info.userId || "",
            "loginName": info.loginName || "",
            "userName": info.userName || ""
        }
    }

    function toString(info) {
        return JSON.stringify(jsonEntity(info))
    }

    // Falsy values were written as "": numbers come back as 0 and dates as invalid.
    function __restoredValue(key, value) {
        if (value !== "")
            return value
        if (__numericKeys.indexOf(key) >= 0)
            return 0
        if (__dateKeys.indexOf(key) >= 0)
            return new Date(NaN)
        return value
    }

    function deserialize(serialized, info) {
        if (!serialized)
            return
        var keys = ["sessionToken", "status", "validFrom", "validTo", "createdAt",
                    "unusedExpiredAt", "role", "notes", "userId", "loginName", "userName"]
        for (var i = 0; i < keys.length; ++i) {
            var key = keys[i]
            if (serialized[key] !== undefined)
                info[key] = __restoredValue(key, serialized[key])
        }
    }
}
