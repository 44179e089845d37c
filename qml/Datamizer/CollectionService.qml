import QtQuick 2.15
import Datamizer 1.0
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
    // Items are objects: anything else (null, a number, a text) is left out, not built as an
    // empty entity. Lists of bare values set this to false.
    property bool recordItems: true
    // A successful answer must hold its items as an array at collectionProperty; any other
    // shape fails as an unreadable answer instead of reading as an empty list.
    property bool listRequired: false
    // A failed, unreadable or outstanding answer leaves the last list of the same session in
    // `result` until a new list arrives.
    property bool keepsResult: false
    // How many items of the shown list were left out: past maxItems, or not objects.
    readonly property int droppedItems: __shown ? __shown.dropped : 0
    readonly property var result: {
        if (mockupInput)
            return mockupFilter ? mockupInput.filter(mockupFilter) : mockupInput
        return __shown ? __shown.entities : null
    }
    readonly property var resultIndex: idProperty && result ? DataUtils.toIndex(result, idProperty) : null

    // The entities of the last good answer and what it left out: {entities, dropped}.
    readonly property var __fresh: {
        // A failed answer shows nothing, whatever items it carries.
        if (mockupInput || !answerOk)
            return null
        var collection = aquireCollection()
        var picked = __usableItems(collection)
        var built = __built && __built.collection === collection ? __built.entities : null
        return { "entities": built || DataUtils.mapCollectionModel(picked.items, delegate),
                 "dropped": picked.dropped + (__parsedResult.dropped || 0) }
    }
    // The right side is read only while there is no fresh list, so keeping one re-evaluates nothing.
    readonly property var __shown: __fresh || (keepsResult && __keptFor(bodyParams) ? __kept : null)
    property var __kept: null
    property var __keptSession
    // The entities of a large answer, built a few at a time before it is shown: {collection, entities}.
    property var __built: null
    property var __building: null

    // Entities built for an earlier answer are let go with it.
    on__ParsedResultChanged: {
        if (__built && __collectionIn(__parsedResult.value) !== __built.collection)
            __built = null
    }


    on__FreshChanged: {
        if (!__fresh || !keepsResult)
            return
        __kept = __fresh
        __keptSession = __session(bodyParams)
    }

    Connections {
        target: ServiceEvents
        function onSessionEnded() { service.release() }
    }

    payloadCheck: function () {
        return !listRequired || Array.isArray(aquireCollection())
    }

    function subElement(elem, prop) {
        return elem && elem[prop] ? elem[prop] : undefined
    }

    function __session(body) {
        return body ? body["sessionToken"] : undefined
    }

    // Rows read in one session are never shown in another.
    function __keptFor(body) {
        return __kept !== null && __session(body) === __keptSession
    }

    function __isUsable(item) {
        return item !== null && typeof item === "object" && !Array.isArray(item)
    }

    // Only an array is a list: an object claiming a length of its own is none.
    function __usableItems(collection) {
        if (!Array.isArray(collection))
            return { "items": collection ? [] : collection, "dropped": 0 }
        var length = collection.length
        var items = collection
        var dropped = 0
        if (recordItems) {
            items = collection.filter(function (item) { return service.__isUsable(item) })
            dropped = length - items.length
            length = items.length
        }
        if (maxItems > 0 && length > maxItems) {
            console.warn("CollectionService:", method, "answered", length, "items; used", maxItems)
            items = items.slice(0, maxItems)
            dropped += length - maxItems
        }
        if (dropped)
            console.warn("CollectionService:", method, "left out", dropped, "items")
        return { "items": items, "dropped": dropped }
    }

    function __readBounds() {
        return DataUtils.concatMaps(__textBounds(), { "collectionPath": collectionProperty,
                                                         "maxItems": maxItems, "recordItems": recordItems })
    }

    function __prepare(value, done) {
        __cancelPreparing()
        var collection = __collectionIn(value)
        // A failed answer builds nothing.
        if (mockupInput || !delegate || !__answerOk(value) || !Array.isArray(collection)) {
            done()
            return
        }
        __building = { "collection": collection, "items": __usableItems(collection).items,
                       "entities": [], "built": false, "done": done }
        Qt.callLater(__buildSome)
    }

    function __cancelPreparing() {
        __building = null
    }

    function __forgetShown() {
        __kept = null
        __keptSession = undefined
    }

    // Builds entities for a while, then lets the window paint and take input.
    function __buildSome() {
        var job = __building
        if (!job)
            return
        var until = Date.now() + 20
        while (job.entities.length < job.items.length && Date.now() < until)
            job.entities.push(delegate.createObject(null, { "modelData": job.items[job.entities.length] }))
        // What the list's views make of the entities comes on a turn of its own.
        if (job.entities.length < job.items.length || !job.built) {
            job.built = job.entities.length === job.items.length
            Qt.callLater(__buildSome)
            return
        }
        __building = null
        __built = { "collection": job.collection, "entities": job.entities }
        job.done()
    }

    function aquireCollection() {
        return __collectionIn(jsonResult)
    }

    function __collectionIn(answer) {
        if (!answer || !collectionProperty)
            return answer
        var elem = answer
        var path = collectionProperty.split(".")
        for (var i = 0; i < path.length; ++i)
            elem = subElement(elem, path[i])
        return elem
    }
}
