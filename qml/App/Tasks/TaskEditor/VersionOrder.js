.pragma library

// Order of version codes and firmware numbers. Two whole numbers compare by value, so "10" is
// newer than "9" whatever their lengths; anything else compares as text.

function __isWholeNumber(text) {
    return /^[0-9]+$/.test(text)
}

function __text(value) {
    return value === undefined || value === null ? "" : String(value)
}

// Negative when a is older than b, positive when newer, 0 when equal.
function compare(a, b) {
    var left = __text(a).trim()
    var right = __text(b).trim()
    if (__isWholeNumber(left) && __isWholeNumber(right)) {
        // Digit by digit, so that numbers beyond the exact range of doubles still order.
        left = left.replace(/^0+(?=.)/, "")
        right = right.replace(/^0+(?=.)/, "")
        if (left.length !== right.length)
            return left.length < right.length ? -1 : 1
    }
    return left < right ? -1 : left > right ? 1 : 0
}

// The greatest of the values (null for none); among equals the first is kept.
function greatest(values) {
    var best = null
    for (var i = 0; i < values.length; ++i) {
        var value = values[i]
        if (value === undefined || value === null)
            continue
        if (best === null || compare(best, value) < 0)
            best = value
    }
    return best
}
