import QtQuick 2.15

// A service method whose answer holds one entity under singleResultProperty.
DatamizerService {
    id: service

    property Component delegate
    property string singleResultProperty: "result"
    readonly property var result: {
        // A failed answer builds nothing, whatever it carries.
        var payload = answerOk ? jsonResult[singleResultProperty] : null
        if (!payload || !delegate)
            return null
        return delegate.createObject(null, { "modelData": payload })
    }
}
