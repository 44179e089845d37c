import QtQuick 2.15
import QtQuick.XmlListModel 2.15
import QtQuickX 1.0
import Datamizer 1.0
import App.DataProviders 1.0
import "VersionOrder.js" as VersionOrder

// The two catalogues the task editors offer: the software store's products and the firmware
// versions of the over-the-air server.
QmlObject {
    id: manager

    // The store's catalogue file, fetched on request.
    readonly property CollectionService listAppPackages: CollectionService {
        baseUrl: Endpoints.storeUri
        method: "info.json"
        requestMethod: "GET"
        manual: true
        // A plain file, not a service answer: it carries no status.
        statusRequired: false
        collectionProperty: "products"
        // Download addresses may be longer than a name.
        maxTextLength: 4096
        delegate: SoftwareProductSerializer
        bodyParams: null
    }

    readonly property XmlListModel listOTAFirmwares: XmlListModel {
        // Fetched through the loader so that the catalogue has the time-out of every other call.
        xml: otaLoader.isReadyAndOk ? otaLoader.result : ""
        query: "/softwares/software"

        XmlRole { name: "version"; query: "ver/string()" }
        XmlRole { name: "code"; query: "code/string()" }

        onStatusChanged: {
            if (status === XmlListModel.Error)
                console.warn("TasksUtilityManager::listOTAFirmwares:", errorString())
            else if (status === XmlListModel.Ready)
                manager.__readRows()
        }
    }

    readonly property bool isLoading: otaLoader.isLoading || listOTAFirmwares.status === XmlListModel.Loading
    // Every row as {"version", "code"}, in document order.
    readonly property var resultData: __rows
    // The distinct versions, in document order.
    readonly property var result: {
        var versions = []
        for (var i = 0; i < __rows.length; ++i) {
            if (versions.indexOf(__rows[i].version) < 0)
                versions.push(__rows[i].version)
        }
        return versions
    }
    // Per firmware code the greatest version of the catalogue.
    readonly property var maxVersions: {
        var greatest = {}
        for (var i = 0; i < __rows.length; ++i) {
            var row = __rows[i]
            if (!(row.code in greatest) || VersionOrder.compare(greatest[row.code], row.version) < 0)
                greatest[row.code] = row.version
        }
        return greatest
    }

    property var __rows: []

    function reloadOTAFirmwares() {
        otaLoader.reload()
    }

    function __readRows() {
        var rows = []
        for (var i = 0; i < listOTAFirmwares.count; ++i) {
            var row = listOTAFirmwares.get(i)
            rows.push({ "version": row.version, "code": row.code })
        }
        __rows = rows
    }

    FileLoader {
        id: otaLoader

        source: String(Endpoints.otaUri) + "/upgrade/upgrade.xml"
        requestMethod: "GET"
        onError: console.warn("TasksUtilityManager::listOTAFirmwares: the catalogue could not be loaded")
        onTimeOut: console.warn("TasksUtilityManager::listOTAFirmwares: the catalogue did not answer in time")
    }
}
