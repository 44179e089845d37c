.pragma library

// Standard functions that older script engines lack; present ones are left untouched.
// Everything sits in one closure so the library exports nothing of its own.
(function () {
    "use strict"

    function defineMissing(target, name, implementation) {
        if (typeof target[name] === "function")
            return
        Object.defineProperty(target, name, {
            value: implementation,
            configurable: true,
            writable: true,
            enumerable: false
        })
    }

    function toObjectOrThrow(value) {
        if (value === null || value === undefined)
            throw new TypeError("\"this\" is null or not defined")
        return Object(value)
    }

    function toLength(value) {
        var length = Math.floor(Number(value)) || 0
        return Math.min(Math.max(length, 0), Number.MAX_SAFE_INTEGER || 9007199254740991)
    }

    function toIntegerOrZero(value) {
        var number = Number(value)
        if (isNaN(number))
            return 0
        return number < 0 ? Math.ceil(number) : Math.floor(number)
    }

    function sameValueZero(x, y) {
        return x === y || (typeof x === "number" && typeof y === "number" && isNaN(x) && isNaN(y))
    }

    function requireFunction(predicate, what) {
        if (typeof predicate !== "function")
            throw new TypeError(what + " must be a function")
    }

    defineMissing(Array.prototype, "find", function (predicate, thisArg) {
        var object = toObjectOrThrow(this)
        var length = toLength(object.length)
        requireFunction(predicate, "predicate")
        for (var i = 0; i < length; ++i) {
            var element = object[i]
            if (predicate.call(thisArg, element, i, object))
                return element
        }
        return undefined
    })

    defineMissing(Array.prototype, "findIndex", function (predicate, thisArg) {
        var object = toObjectOrThrow(this)
        var length = toLength(object.length)
        requireFunction(predicate, "predicate")
        for (var i = 0; i < length; ++i) {
            if (predicate.call(thisArg, object[i], i, object))
                return i
        }
        return -1
    })

    defineMissing(Array.prototype, "includes", function (searchElement, fromIndex) {
        var object = toObjectOrThrow(this)
        var length = toLength(object.length)
        if (length === 0)
            return false
        var start = toIntegerOrZero(fromIndex)
        for (var i = Math.max(start >= 0 ? start : length + start, 0); i < length; ++i) {
            if (sameValueZero(object[i], searchElement))
                return true
        }
        return false
    })

    defineMissing(Array.prototype, "reduce", function (callback) {
        var object = toObjectOrThrow(this)
        var length = toLength(object.length)
        requireFunction(callback, "callback")
        var index = 0
        var accumulator
        if (arguments.length >= 2) {
            accumulator = arguments[1]
        } else {
            while (index < length && !(index in object))
                ++index
            if (index >= length)
                throw new TypeError("Reduce of empty array with no initial value")
            accumulator = object[index++]
        }
        for (; index < length; ++index) {
            if (index in object)
                accumulator = callback(accumulator, object[index], index, object)
        }
        return accumulator
    })

    function padding(text, targetLength, padString) {
        var length = toLength(targetLength)
        var filler = padString === undefined ? " " : String(padString)
        if (length <= text.length || filler === "")
            return ""
        var needed = length - text.length
        while (filler.length < needed)
            filler += filler
        return filler.slice(0, needed)
    }

    defineMissing(String.prototype, "padStart", function (targetLength, padString) {
        var text = String(toObjectOrThrow(this))
        return padding(text, targetLength, padString) + text
    })

    defineMissing(String.prototype, "padEnd", function (targetLength, padString) {
        var text = String(toObjectOrThrow(this))
        return text + padding(text, targetLength, padString)
    })

    defineMissing(String.prototype, "startsWith", function (searchString, position) {
        var text = String(toObjectOrThrow(this))
        if (searchString instanceof RegExp)
            throw new TypeError("First argument must not be a regular expression")
        var search = String(searchString)
        var start = Math.min(Math.max(toIntegerOrZero(position), 0), text.length)
        return text.substr(start, search.length) === search
    })

    defineMissing(Object, "assign", function (target) {
        var result = toObjectOrThrow(target)
        for (var i = 1; i < arguments.length; ++i) {
            var source = arguments[i]
            if (source === null || source === undefined)
                continue
            for (var key in source) {
                if (Object.prototype.hasOwnProperty.call(source, key))
                    result[key] = source[key]
            }
        }
        return result
    })
})()
