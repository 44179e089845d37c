import QtQuick 2.15
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// A service method whose answer holds a list of entities at the dotted collectionProperty.
DatamizerService {
    id: service

    property Component delegate
    property string collectionProperty: ""
    property string idProperty: ""
    property var mockupInput
    property var mockupFilter: function () {
        return true
    }
    // The most entities built from one answer; items past it are left out (a lookup of one
    // entity sets 1). 0 builds them all.
    property int maxItems: 10000
    // How many items of the last answer were left out by maxItems.
    readonly property int droppedItems: {
        if (mockupInput || !answerOk)
            return 0
        var collection = aquireCollection()
        var length = collection ? Number(collection.length) || 0 : 0
        return maxItems > 0 && length > maxItems ? length - maxItems : 0
    }
    readonly property var result: {
        if (mockupInput)
            return mockupFilter ? mockupInput.filter(mockupFilter) : mockupInput
        // A failed answer shows nothing, whatever items it carries.
        if (!answerOk)
            return null
        return DataUtils.mapCollectionModel(__usableItems(aquireCollection()), delegate)
    }
    readonly property var resultIndex: idProperty && result ? DataUtils.toIndex(result, idProperty) : null

    function subElement(elem, prop) {
        return elem && elem[prop] ? elem[prop] : undefined
    }

    function __usableItems(collection) {
        var length = collection ? Number(collection.length) || 0 : 0
        if (maxItems <= 0 || length <= maxItems)
            return collection
        console.warn("CollectionService:", method, "answered", length, "items; used", maxItems)
        return Array.prototype.slice.call(collection, 0, maxItems)
    }

    function aquireCollection() {
        if (!jsonResult || !collectionProperty)
            return jsonResult
        var elem = jsonResult
        var path = collectionProperty.split(".")
        for (var i = 0; i < path.length; ++i)
            elem = subElement(elem, path[i])
        return elem
    }
}
