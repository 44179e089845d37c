.pragma library

.import "qrc:///QtQuickX/Modern.js" as ModernJs

// One search interface over script arrays and list models: Model.of(model).

function strictEquals(a, b) {
    return a === b
}

// Operations every proxy shares, built on its find() and findIndex().
function addPropertySearch(proxy) {
    proxy.findByProperty = function (prop, value, comparator) {
        var compare = comparator || strictEquals
        return proxy.find(function (element) {
            return !!element && compare(element[prop], value)
        })
    }
    proxy.findIndexByProperty = function (prop, value, comparator) {
        var compare = comparator || strictEquals
        if (prop === null || prop === undefined)
            return proxy.findIndex(function (element) {
                return compare(element, value)
            })
        return proxy.findIndex(function (element) {
            return !!element && compare(element[prop], value)
        })
    }
    return proxy
}

function EmptyProxy() {
    this.model = undefined
    this.size = function () { return 0 }
    this.at = function () { return undefined }
    this.find = function () { return undefined }
    this.findIndex = function () { return -1 }
    this.indexOf = function () { return -1 }
    addPropertySearch(this)
}

function ArrayProxy(model) {
    this.model = model
    Object.defineProperty(this, "length", { get: function () { return model.length } })
    this.size = function () { return model.length }
    this.at = function (index) { return model[index] }
    this.find = function (predicate, thisArg) {
        return Array.prototype.find.call(model, predicate, thisArg)
    }
    this.findIndex = function (predicate, thisArg) {
        return Array.prototype.findIndex.call(model, predicate, thisArg)
    }
    this.indexOf = function (value) {
        return Array.prototype.indexOf.call(model, value)
    }
    addPropertySearch(this)
}

function ListModelProxy(model) {
    this.model = model
    Object.defineProperty(this, "length", { get: function () { return model.count } })
    this.size = function () { return model.count }
    this.at = function (index) { return model.get(index) }
    // Calls back for each element until it returns true; the index found, or -1.
    function scan(predicate, thisArg, found) {
        if (typeof predicate !== "function")
            throw new TypeError("predicate must be a function")
        var count = model.count >>> 0
        for (var i = 0; i < count; ++i) {
            var element = model.get(i)
            if (predicate.call(thisArg, element, i, model)) {
                found(element)
                return i
            }
        }
        return -1
    }
    this.findIndex = function (predicate, thisArg) {
        return scan(predicate, thisArg, function () {})
    }
    this.find = function (predicate, thisArg) {
        var result
        scan(predicate, thisArg, function (element) { result = element })
        return result
    }
    this.indexOf = function (value) {
        var count = model.count >>> 0
        for (var i = 0; i < count; ++i) {
            if (model.get(i) === value)
                return i
        }
        return -1
    }
    addPropertySearch(this)
}

function of(model) {
    if (!model)
        return new EmptyProxy()
    if (model.constructor === Array || model.get === undefined)
        return new ArrayProxy(model)
    return new ListModelProxy(model)
}
