.pragma library

.import "qrc:///QtQuickX/Modern.js" as ModernJs

// Helpers shared by the service components and the entity serializers.

if (typeof Array.prototype.removeAll !== "function") {
    Object.defineProperty(Array.prototype, "removeAll", {
        value: function (valuesToRemove) {
            "use strict"
            if (this === null || this === undefined)
                throw new TypeError("\"this\" is null or not defined")
            var removed = valuesToRemove || []
            return Array.prototype.filter.call(this, function (element) {
                return removed.indexOf(element) < 0
            })
        },
        configurable: true,
        writable: true,
        enumerable: false
    })
}

function emptyOrNull(value) {
    return value === null ? "" : Number(value)
}

// The service's date object: {"DateTime": "/Date(<ms>)/", "OffsetMinutes": <n>}.
function dateTimeOffset(value) {
    if (value === null || value === undefined)
        return ""
    var text = String(value["DateTime"])
    if (!/\/Date\(\d+\)\//.test(text))
        return ""
    return new Date(Number(text.substring(6, text.length - 2)))
}

function toIndex(model, prop) {
    if (!model)
        return null
    var index = {}
    for (var i = 0; i < model.length; ++i) {
        var item = model[i]
        index[item[prop]] = item
    }
    return index
}

function mapCollectionModel(collection, component, owner) {
    if (!collection || !component)
        return null
    var entities = []
    var length = collection.length || 0
    for (var i = 0; i < length; ++i)
        entities.push(component.createObject(owner || null, { "modelData": collection[i] }))
    return entities
}

function concatMaps() {
    var result = {}
    for (var i = 0; i < arguments.length; ++i) {
        var map = arguments[i]
        if (!map)
            continue
        for (var key in map) {
            if (Object.prototype.hasOwnProperty.call(map, key))
                result[key] = map[key]
        }
    }
    return result
}

// Texts from the service are cut before they reach an entity or a view: laying out a name of
// megabytes freezes the screen and costs gigabytes of glyphs. A name never needs more than
// maxTextLength characters; the texts a service component names as long (a task's data, a
// device's answer) keep maxLongTextLength with a note of their full size, and the uncut text
// stays reachable through uncutText() for the clipboard.
var maxTextLength = 500
var maxLongTextLength = 65536

// The size of the text in UTF-8, counted by the regular expression engine: a loop over
// megabytes of characters in script would stall the screen.
function utf8Size(text) {
    var beyondAscii = text.replace(/[\x00-\x7f]+/g, "")
    var beyondTwoBytes = beyondAscii.replace(/[\u0080-\u07ff\ud800-\udfff]+/g, "")
    return text.length + beyondAscii.length + beyondTwoBytes.length
}

// The first `limit` characters of the text and a mark that it was cut; a surrogate pair is
// never split. With `withSize` the mark says how large the whole text was.
function cutText(text, limit, withSize) {
    if (typeof text !== "string" || limit <= 0 || text.length <= limit)
        return text
    var end = limit
    var last = text.charCodeAt(end - 1)
    if (last >= 0xd800 && last <= 0xdbff)
        --end
    var kept = text.substring(0, end)
    if (!withSize)
        return kept + "…"
    return kept + cutNote().arg(utf8Size(text))
}

// The note after a long text that was cut; %1 is the size of the whole text.
function cutNote() {
    return qsTr("… (cut, %1 bytes)")
}

// Cuts every text of a parsed answer in place: members named in longKeys to
// maxLongTextLength, all others to `limit` (maxTextLength when not given; 0 cuts nothing).
// The walk keeps its own stack, so a deeply nested answer cannot exhaust the script's.
function boundTexts(root, longKeys, limit) {
    if (root === null || typeof root !== "object")
        return root
    limit = limit === undefined ? maxTextLength : limit
    var longNames = {}
    for (var n = 0; longKeys && n < longKeys.length; ++n)
        longNames[longKeys[n]] = true
    var pending = [root]
    while (pending.length) {
        var node = pending.pop()
        var isArray = Array.isArray(node)
        var keys = isArray ? null : Object.keys(node)
        var count = isArray ? node.length : keys.length
        for (var i = 0; i < count; ++i) {
            var key = isArray ? i : keys[i]
            var value = node[key]
            if (typeof value === "string") {
                var isLong = !isArray && longNames[key] === true
                var bound = isLong ? maxLongTextLength : limit
                if (bound > 0 && value.length > bound) {
                    if (isLong)
                        keepUncut(node, key, value)
                    node[key] = cutText(value, bound, isLong)
                }
            } else if (value !== null && typeof value === "object") {
                pending.push(value)
            }
        }
    }
    return root
}

function keepUncut(node, key, text) {
    if (!Object.prototype.hasOwnProperty.call(node, "__uncut"))
        Object.defineProperty(node, "__uncut", { "value": {}, "enumerable": false })
    node.__uncut[key] = text
}

// Puts back the whole texts of an answer that was cut elsewhere: each {path, key, text}.
function keepUncutTexts(root, uncut) {
    for (var i = 0; uncut && i < uncut.length; ++i) {
        var node = root
        var path = uncut[i].path
        for (var p = 0; node && p < path.length; ++p)
            node = node[path[p]]
        if (node && typeof node === "object")
            keepUncut(node, uncut[i].key, uncut[i].text)
    }
}

// The text of item[key] as the service sent it, also when boundTexts() cut it.
function uncutText(item, key) {
    if (!item || typeof item !== "object")
        return undefined
    if (item.__uncut && item.__uncut[key] !== undefined)
        return item.__uncut[key]
    return item[key]
}
