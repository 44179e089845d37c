pragma Singleton
import QtQuick 2.15
import "qrc:///Datamizer/DataUtils.js" as DataUtils

// One entry of the store catalogue's "products" to SoftwareProduct.
Component {
    SoftwareProduct {
        property var modelData: ({})

        idd: modelData && modelData["id"] ? String(modelData["id"]) : ""
        name: modelData && modelData["name"] || ""
        packageName: modelData && modelData["packageName"] || ""
        packages: modelData && Array.isArray(modelData["packages"])
                  ? DataUtils.mapCollectionModel(modelData["packages"], SoftwarePackageSerializer)
                  : null
    }
}
