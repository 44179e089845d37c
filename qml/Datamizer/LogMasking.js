.pragma library

// Request bodies are logged; session tokens and passwords must not be.
var secretKeys = ["sessionToken", "password", "t"]
var mask = "***"

function maskValue(value) {
    if (Array.isArray(value))
        return value.map(maskValue)
    if (value === null || typeof value !== "object")
        return value
    var masked = {}
    for (var key in value) {
        var member = value[key]
        var isSecret = secretKeys.indexOf(key) >= 0 && member !== null && member !== undefined
                && member !== ""
        masked[key] = isSecret ? mask : maskValue(member)
    }
    return masked
}

// The body text with every secret value replaced; a text that is not JSON is hidden whole.
function maskedBody(bodyText) {
    if (!bodyText)
        return bodyText
    try {
        return JSON.stringify(maskValue(JSON.parse(bodyText)))
    } catch (e) {
        return "<" + String(bodyText).length + " bytes>"
    }
}
