.pragma library
.import Ostrel 1.0 as Ostrel
.import "VersionOrder.js" as VersionOrder

// The task data texts the data editors produce: always a JSON text, sent inside the task.

// Times on the wire: hours, minutes, seconds, a point and the seconds again.
var timePattern = "hh:mm:ss.sss"

function __timeText(time, locale) {
    return time.toLocaleTimeString(locale, timePattern)
}

function message(text, imageUrl) {
    return JSON.stringify({ "message": text || "", "image": { "src": imageUrl ? String(imageUrl) : "" } })
}

// A text, or else a picture whose address is a valid URL.
function isMessageAcceptable(text, imageUrl, imageUrlIsValid) {
    return !!text || (!!imageUrl && !!imageUrlIsValid)
}

// The version to install: the product's newest package when asked for the latest, else the
// chosen one; null for a product without a package list.
function softwareVersionCode(product, useLatest, chosenPackage) {
    if (!product || !product.packages)
        return null
    if (useLatest)
        return VersionOrder.greatest(product.packages.map(function (p) { return p.versionCode }))
    return chosenPackage ? chosenPackage.versionCode : null
}

function softwareUpdate(product, useLatest, chosenPackage) {
    return JSON.stringify({
        "packageName": product && product.packageName || "",
        "name": product && product.name || "",
        "versionCode": softwareVersionCode(product, useLatest, chosenPackage)
    })
}

// Updating to the latest version leaves the data to the handler, one task per target version.
function firmwareUpdate(useLatest, otaUri, version) {
    if (useLatest)
        return ""
    return JSON.stringify({ "uri": String(otaUri), "version": version || "" })
}

function powerManagement(time, period, locale) {
    return JSON.stringify({ "t": __timeText(time, locale), "p": [period] })
}

function disablePowerManagement(time, locale) {
    return JSON.stringify({ "t": __timeText(time, locale), "p": ["Everyday"], "e": false })
}

function simpleText(type, text) {
    if (type === Ostrel.Tasks.ShowMessage)
        return JSON.stringify({ "message": text })
    return JSON.stringify({ "cmd": text })
}
