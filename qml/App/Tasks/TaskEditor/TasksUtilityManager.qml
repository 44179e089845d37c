import QtQuick 2.15
import QtQuickX 1.0
import Ostrel 1.0
import App.DataProviders 1.0

// The two catalogues the task editors offer: the software store's products and the firmware
// versions of the over-the-air server. Both are parsed off the GUI thread with a row bound; one
// that cannot be read says why, with its address.
QmlObject {
    id: manager

    readonly property string storeCatalogueUri: String(Endpoints.storeUri) + "/info.json"
    readonly property string otaCatalogueUri: String(Endpoints.otaUri) + "/upgrade/upgrade.xml"

    // The store's catalogue file, fetched on request.
    readonly property QtObject listAppPackages: QtObject {
        // The products, each {"idd", "name", "packageName", "packages"}; null until read.
        readonly property var result: storeReader.count || storeLoader.isReadyAndOk ? storeReader.rows : null
        readonly property bool isLoading: storeLoader.isLoading || storeReader.busy

        function invoke() {
            storeLoader.reload()
        }
    }
    // Why the store catalogue could not be read, or empty.
    readonly property string storeError: __problem(qsTr("The store catalogue at %1 could not be read: %2"),
                                                   storeCatalogueUri, storeReader, storeLoader,
                                                   qsTr("it lists no products"))

    readonly property bool isLoading: otaLoader.isLoading || otaReader.busy
    // Every row as {"version", "code"}, in document order.
    readonly property var resultData: otaReader.rows
    // The distinct versions, in document order.
    readonly property var result: __otaSummary.versions || []
    // The distinct versions with their model code, by model, newest first.
    readonly property var firmwareChoices: __otaSummary.choices || []
    // Per firmware code the greatest version of the catalogue.
    readonly property var maxVersions: __otaSummary.greatest || ({})
    // Why the firmware catalogue could not be read, or empty.
    readonly property string otaError: __problem(qsTr("The firmware catalogue at %1 could not be read: %2"),
                                                 otaCatalogueUri, otaReader, otaLoader,
                                                 qsTr("it lists no firmware versions"))

    // Worked out with the rows off the GUI thread: thousands of rows sort too slowly in script.
    readonly property var __otaSummary: otaReader.summary

    function reloadOTAFirmwares() {
        otaLoader.reload()
    }

    function __problem(template, uri, reader, loader, emptyReason) {
        if (reader.busy || loader.isLoading)
            return ""
        var reason = reader.errorString
        if (!reason && loader.isReadyAndOk && reader.count === 0)
            reason = emptyReason
        return reason ? template.arg(uri).arg(reason) : ""
    }

    function __take(reader, loader) {
        if (loader.isReadyAndOk)
            reader.read(loader.result)
        else
            reader.fail(loader.errorString || qsTr("no answer"))
    }

    CatalogueReader {
        id: otaReader
        format: CatalogueReader.FirmwareXml
        onFinished: if (errorString) console.warn("TasksUtilityManager: the firmware catalogue:", errorString)
    }

    CatalogueReader {
        id: storeReader
        format: CatalogueReader.StoreJson
        onFinished: if (errorString) console.warn("TasksUtilityManager: the store catalogue:", errorString)
    }

    FileLoader {
        id: otaLoader

        source: manager.otaCatalogueUri
        requestMethod: "GET"
        onReadyAndOk: manager.__take(otaReader, otaLoader)
        onError: manager.__take(otaReader, otaLoader)
        onTimeOut: otaReader.fail(qsTr("it did not answer in time"))
    }

    FileLoader {
        id: storeLoader

        source: manager.storeCatalogueUri
        requestMethod: "GET"
        manual: true
        onReadyAndOk: manager.__take(storeReader, storeLoader)
        onError: manager.__take(storeReader, storeLoader)
        onTimeOut: storeReader.fail(qsTr("it did not answer in time"))
    }
}
