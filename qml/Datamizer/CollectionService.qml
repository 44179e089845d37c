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
    readonly property var result: {
        if (mockupInput)
            return mockupFilter ? mockupInput.filter(mockupFilter) : mockupInput
        return DataUtils.mapCollectionModel(aquireCollection(), delegate)
    }
    readonly property var resultIndex: idProperty && result ? DataUtils.toIndex(result, idProperty) : null

    function subElement(elem, prop) {
        return elem && elem[prop] ? elem[prop] : undefined
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
