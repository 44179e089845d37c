.pragma library
.import "qrc:///App/Tasks/TaskEditor/VersionOrder.js" as VersionOrder

// Devices to bring to the latest firmware of their code, grouped by that target version:
// {"1200": [70001, 70007], ...}. Devices without a code, of a code the catalogue does not
// list, or already at the latest version are in no group.
function groups(devices, maxVersions) {
    var result = {}
    for (var i = 0; i < devices.length; ++i) {
        var device = devices[i]
        var code = device ? device.firmwareVersionCode : ""
        if (!code || !maxVersions || !Object.prototype.hasOwnProperty.call(maxVersions, code))
            continue
        var latest = maxVersions[code]
        if (VersionOrder.compare(device.firmwareVersionNumber, latest) >= 0)
            continue
        if (!result[latest])
            result[latest] = []
        result[latest].push(device.idd)
    }
    return result
}

// The number of devices in all groups.
function deviceCount(groups) {
    var count = 0
    for (var version in groups)
        count += groups[version].length
    return count
}
